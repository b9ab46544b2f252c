// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sign of the NaN that an invalid operation makes (0/0, ln -1, 7 mod 0,
// inf - inf) is the processor's choice: x86 sets it, ARM and most others do
// not, and the decimal display writes it as "-nan" or "nan". The engine sets
// it everywhere, so every processor shows what x86 shows. A NaN passed on from
// an operand keeps its own sign, as it does on every processor.
#pragma once

#include <cmath>

inline double signInvalidResult(double result, double operand, double other = 0) {
    if (std::isnan(result) && !std::isnan(operand) && !std::isnan(other))
        return std::copysign(result, -1.0);
    return result;
}
