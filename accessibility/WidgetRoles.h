// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility roles of the toolkit's widget classes.
#pragma once

#include <fx.h>

// The role numbers the accessibility protocol gives these roles.
enum AccessibleRole : FX::FXuint {
    ROLE_INVALID = 0,
    ROLE_CHECK_BOX = 7,
    ROLE_DIALOG = 16,
    ROLE_FRAME = 23,
    ROLE_LABEL = 29,
    ROLE_PANEL = 39,
    ROLE_PUSH_BUTTON = 43,
    ROLE_RADIO_BUTTON = 44,
    ROLE_SEPARATOR = 50,
    ROLE_TOGGLE_BUTTON = 62,
    ROLE_APPLICATION = 75,
};

// The role of a widget: that of its class or of the nearest base class in the
// table; ROLE_INVALID for a class outside it, which is then not shown.
AccessibleRole roleOf(const FX::FXWindow* widget);

// The protocol's English name of a role ("push button").
const char* roleName(FX::FXuint role);

// Whether widgets of this role can be clicked.
bool roleIsClickable(FX::FXuint role);
