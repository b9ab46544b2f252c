// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Building the value one character at a time, and taking the last one back.
// Binary and hexadecimal shift digits through a 32-bit integer; decimal has
// an integer form and, after the point, a text form that leads the value.
#include "CalcEngine.h"
#include "IntegerBits.h"
#include "NumberReader.h"

namespace {

// The value of a digit character in the given radix, or -1.
int digitValue(char c, int radix) {
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < radix ? d : -1;
}

double readOrZero(const FXString& s) {
    double number;
    readDecimalNumber(s.text(), number);
    return number;
}

} // namespace

bool CalcEngine::appendDigit(char c) {
    if (base == BASE_BINARY || base == BASE_HEXADECIMAL) {
        const int bits = (base == BASE_BINARY) ? 1 : 4;
        const int d = digitValue(c, 1 << bits);
        if (d < 0) return false;
        // Wraps modulo 2^32, so the oldest digit falls out at the top.
        intValue = fromBits((toBits(intValue) << bits) + static_cast<FXuint>(d));
        value = intValue;
        return true;
    }
    if (base != BASE_DECIMAL) return false;

    if (c == '.') {
        if (textEntry) return false;
        textEntry = true;
        text.format("%d%c", intValue, decimalPoint);
        return true;
    }
    const int d = digitValue(c, 10);
    if (d < 0) return false;

    if (!textEntry) {
        // Appended as written: a negative number grows away from zero. The
        // arithmetic wraps modulo 2^32, computed unsigned so overflow is defined.
        const FXuint shifted = toBits(intValue) * 10u;
        const FXuint digit = static_cast<FXuint>(d);
        intValue = fromBits(intValue >= 0 ? shifted + digit : shifted - digit);
        value = intValue;
        return true;
    }

    const FXint previousLength = text.length();
    text.append(c);
    double number;
    if (readDecimalNumber(text.text(), number) == 0) {
        // The text does not begin with a number (an infinity's or NaN's text):
        // the digit is taken back.
        text.trunc(previousLength);
        return false;
    }
    value = number;
    intValue = truncateToInt(value);
    return true;
}

bool CalcEngine::deleteLast() {
    if (base == BASE_BINARY || base == BASE_HEXADECIMAL) {
        intValue = arithmeticShiftRight(intValue, base == BASE_BINARY ? 1 : 4);
        value = intValue;
        return true;
    }
    if (base != BASE_DECIMAL) return true;

    if (textEntry) {
        const FXint n = text.length();
        if (n <= 1) {
            text = "0";
            value = 0;
            intValue = 0;
            textEntry = false;
        } else if (text[n - 1] == decimalPoint) {
            text.trunc(n - 1);
            textEntry = false;
        } else {
            text.trunc(n - 1);
            value = readOrZero(text);
            intValue = truncateToInt(value);
        }
        return true;
    }

    FXString digits;
    digits.format("%d", intValue);
    if (digits.length() <= 1) {
        value = 0;
        intValue = 0;
        text = "0";
    } else {
        digits.trunc(digits.length() - 1);
        value = readOrZero(digits); // a lone "-" reads as 0
        intValue = truncateToInt(value);
    }
    return true;
}
