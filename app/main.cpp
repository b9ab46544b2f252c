// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: one application, one calculator window, one event loop, and
// the accessibility bridge beside the window.
#include "AccessibilityBridge.h"
#include "AccessibleNames.h"
#include "AppWindow.h"
#include "DesktopResolution.h"

int main(int argc, char** argv) {
    ObservedApp application("Calculator", "Vyx");
    application.init(argc, argv, true);
    // Before the window makes its fonts, which take their size from it.
    followDesktopResolution(application);
    // The application's window tree owns the window and deletes it when the
    // application object goes at the end of main.
    new AppWindow(&application);
    application.create();
    // It reads the window, so it goes before the window does.
    AccessibilityBridge bridge(application, calculatorAccessibleNames());
    return application.run();
}
