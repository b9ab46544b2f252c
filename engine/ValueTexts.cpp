// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three texts of the value, one per display. Binary and hexadecimal show
// the 32-bit pattern of intValue; decimal shows the text buffer or intValue.
#include "CalcEngine.h"
#include "IntegerBits.h"

namespace {
const char HEX_DIGITS[] = "0123456789ABCDEF";
}

FXString CalcEngine::binaryText() const {
    FXString out('0', 39);
    FXuint bits = toBits(intValue);
    // Filled from the end: every fifth position, counted from 39 down, is a blank.
    for (FXint pos = 38, counter = 39; pos >= 0; --pos, --counter) {
        if (counter % 5 == 0) {
            out[pos] = ' ';
        } else {
            out[pos] = static_cast<FXchar>('0' + (bits & 1u));
            bits >>= 1;
        }
    }
    return out;
}

FXString CalcEngine::hexText() const {
    FXString out("0x00000000");
    FXuint bits = toBits(intValue);
    for (FXint pos = 9; pos >= 2; --pos, bits >>= 4)
        out[pos] = HEX_DIGITS[bits & 0xFu];
    return out;
}

FXString CalcEngine::decimalText() const {
    if (textEntry) return text;
    FXString out;
    out.format("%d", intValue);
    return out;
}
