// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's application: the toolkit's, observed by the accessibility
// bridge, and telling the desktop scale watch of each event it dispatches.
#pragma once

#include "DesktopScaleWatch.h"
#include "ObservedApp.h"

class CalculatorApp : public ObservedApp {
public:
    using ObservedApp::ObservedApp;

    void setScaleWatch(DesktopScaleWatch* watch) { scaleWatch = watch; }
    bool dispatchEvent(FX::FXRawEvent& event) override;

private:
    DesktopScaleWatch* scaleWatch = nullptr;
};
