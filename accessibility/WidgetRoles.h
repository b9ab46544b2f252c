// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility roles of the toolkit's widget classes.
#pragma once

#include "Protocol.h"

// The role of a widget: that of its class or of the nearest base class in the
// table; ROLE_INVALID for a class outside it, which is then not shown.
AccessibleRole roleOf(const FX::FXWindow* widget);

// The protocol's English name of a role ("push button").
const char* roleName(FX::FXuint role);

// Whether widgets of this role can be clicked.
bool roleIsClickable(FX::FXuint role);
