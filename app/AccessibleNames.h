// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The names screen readers give the calculator's buttons whose labels are
// symbols or repeat, and its pads.
#pragma once

#include "AccessibleNameTable.h"

const AccessibleNames& calculatorAccessibleNames();
