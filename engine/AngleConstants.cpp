// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two process-wide angle factors. Both come from the same double pi, and
// the degree factor multiplies by a stored 1/180 rather than dividing.
#include "CalcEngine.h"

namespace {
const double PI_DOUBLE = 3.141592653589793;
}

extern const double degToRad = PI_DOUBLE * (1.0 / 180.0);
extern const double radToDeg = 180.0 / PI_DOUBLE;
