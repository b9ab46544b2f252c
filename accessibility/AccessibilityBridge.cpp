// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge as the program sees it.
#include "AccessibilityBridge.h"
#include "BridgeCore.h"

AccessibilityBridge::AccessibilityBridge(ObservedApp& app, const AccessibleNames& names)
    : core(std::make_unique<BridgeCore>(app, names)) {}

AccessibilityBridge::~AccessibilityBridge() = default;
