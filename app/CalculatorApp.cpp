// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each event seen by the scale watch, then dispatched as the bridge observes it.
#include "CalculatorApp.h"

using namespace FX;

bool CalculatorApp::dispatchEvent(FXRawEvent& event) {
    // It only looks: every event still goes where it goes.
    if (scaleWatch) scaleWatch->notice(event);
    return ObservedApp::dispatchEvent(event);
}
