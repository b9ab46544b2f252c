// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// 32-bit two's-complement helpers. Wrapping arithmetic is done on unsigned
// values, where overflow is defined, and converted back here in one place.
#pragma once

#include <cmath>
#include <fxver.h>
#include <fxdefs.h>

inline FX::FXint fromBits(FX::FXuint bits) {
    return static_cast<FX::FXint>(bits);
}
inline FX::FXuint toBits(FX::FXint v) {
    return static_cast<FX::FXuint>(v);
}

// Shifts right with the sign bit copied, without relying on how the
// implementation shifts negative operands.
inline FX::FXint arithmeticShiftRight(FX::FXint v, int bits) {
    return v < 0 ? ~(~v >> bits) : v >> bits;
}
