// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: one application, one calculator window, one event loop, the
// watch on the desktop's resolution and the accessibility bridge beside the
// window.
#include "AccessibilityBridge.h"
#include "AccessibleNames.h"
#include "AppWindow.h"
#include "CalculatorApp.h"
#include "DesktopResolution.h"

int main(int argc, char** argv) {
    CalculatorApp application("Calculator", "Vyx");
    application.init(argc, argv, true);
    // Before the window makes its fonts, which take their size from it.
    const bool desktopsResolution = followDesktopResolution(application);
    // The application's window tree owns the window and deletes it when the
    // application object goes at the end of main.
    AppWindow* window = new AppWindow(&application);
    application.create();
    // A resolution the user set stays, so there is nothing to watch.
    DesktopScaleWatch scaleWatch(window);
    if (desktopsResolution) {
        application.setScaleWatch(&scaleWatch);
        scaleWatch.start();
    }
    // It reads the window, so it goes before the window does.
    AccessibilityBridge bridge(application, calculatorAccessibleNames());
    const int status = application.run();
    application.setScaleWatch(nullptr);
    return status;
}
