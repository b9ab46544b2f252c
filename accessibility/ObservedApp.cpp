// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the accessibility bridge sees the toolkit's events.
#include "ObservedApp.h"

using namespace FX;

bool ObservedApp::dispatchEvent(FXRawEvent& event) {
    if (!observer) return FXApp::dispatchEvent(event);
    // An event held back still counts as one that was handled.
    if (observer->beforeEvent(event)) return true;
    const bool dispatched = FXApp::dispatchEvent(event);
    if (observer) observer->afterEvent(event);
    return dispatched;
}

void ObservedApp::deliver(FXRawEvent& event) {
    FXApp::dispatchEvent(event);
    if (observer) observer->afterEvent(event);
}
