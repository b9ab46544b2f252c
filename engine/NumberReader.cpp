// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The decimal reading rule: white space, a sign, digits with at most one
// point and an optional exponent. The grammar is checked here first and only
// the accepted prefix is handed to strtod, because glibc's strtod alone would
// also take "0x1F", "inf" and "nan".
#include "NumberReader.h"

#include <cstdlib>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || (c >= 9 && c <= 13);
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the run of digits at text[pos].
FX::FXint digitRun(const FX::FXchar* text, FX::FXint pos) {
    FX::FXint n = 0;
    while (isDigit(text[pos + n]))
        ++n;
    return n;
}

} // namespace

FX::FXint readDecimalNumber(const FX::FXchar* text, double& number) {
    number = 0;
    FX::FXint pos = 0;
    while (isBlank(text[pos]))
        ++pos;
    const FX::FXint start = pos; // the number proper, without the white space
    if (text[pos] == '+' || text[pos] == '-') ++pos;

    FX::FXint digits = digitRun(text, pos);
    pos += digits;
    if (text[pos] == '.') {
        FX::FXint fraction = digitRun(text, pos + 1);
        if (digits + fraction > 0) pos += 1 + fraction;
        digits += fraction;
    }
    if (digits == 0) return 0;

    if (text[pos] == 'e' || text[pos] == 'E') {
        FX::FXint sign = (text[pos + 1] == '+' || text[pos + 1] == '-') ? 1 : 0;
        FX::FXint exponent = digitRun(text, pos + 1 + sign);
        if (exponent > 0) pos += 1 + sign + exponent;
    }

    // strtod sees exactly the accepted characters, so it cannot read further.
    const std::string accepted(text + start, text + pos);
    number = std::strtod(accepted.c_str(), nullptr);
    return pos;
}
