// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility bridge: shows the program's windows to screen readers and
// other assistive programs over the accessibility bus, while the desktop says
// that one is wanted, and lets them click its buttons. What it is made of
// stays behind this header: the program needs no D-Bus library to build
// against it.
#pragma once

#include <memory>

#include "AccessibleNameTable.h"
#include "ObservedApp.h"

class BridgeCore;

class AccessibilityBridge {
public:
    // Once the window is first drawn, starts watching the session bus for the
    // desktop's accessibility status, without waiting for any answer; with no
    // session bus it does nothing.
    AccessibilityBridge(ObservedApp& app, const AccessibleNames& names);
    ~AccessibilityBridge();
    AccessibilityBridge(const AccessibilityBridge&) = delete;
    AccessibilityBridge& operator=(const AccessibilityBridge&) = delete;

private:
    std::unique_ptr<BridgeCore> core;
};
