// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one-argument functions, applied to the current value in place. The
// pending operator is left alone, so a function can act on a right operand.
#include "CalcEngine.h"
#include "IntegerBits.h"
#include "InvalidResult.h"

#include <cmath>

namespace {

const double PI_DOUBLE = 3.141592653589793; // the toolkit already defines a PI macro
const double FRANCS_PER_EURO = 6.55957;
const double EUROS_PER_FRANC = 0.1524490172374104; // its own constant: nothing divides by 6.55957

// The downward product n × (n-1) × … × 2, or 0 once it overflows. Overflow is
// seen as the product no longer growing, which happens within a few dozen steps
// even for the largest counts, so the loop never runs long.
double factorial(double v) {
    // NaN and magnitudes of 2^63 or more have no 64-bit conversion: count 0.
    FXuint n = 0;
    if (!std::isnan(v) && std::fabs(v) < 9223372036854775808.0)
        n = static_cast<FXuint>(static_cast<unsigned long long>(static_cast<long long>(v)));
    double f = 1, previous = 1;
    for (FXuint k = n; k >= 2; --k) {
        f = k * f;
        if (f <= previous) return 0;
        previous = f;
    }
    return f;
}

// Arc cosine and arc sine answer 0 outside -1..1 and for NaN.
bool inArcDomain(double v) {
    return v >= -1 && v <= 1;
}

} // namespace

void CalcEngine::applyFunction(FXint code) {
    const double v = value;
    const bool degrees = (angleMode == 1);
    const double angle = degrees ? v * degToRad : v; // argument of sin, cos, tan
    const double toAngle = degrees ? radToDeg : 1.0; // scale of an inverse result

    switch (code) {
    case FN_ACOS:
        value = inArcDomain(v) ? std::acos(v) * toAngle : 0;
        break;
    case FN_COS:
        value = std::cos(angle);
        break;
    case FN_ANGLE:
        return;
    case FN_FACTORIAL:
        value = factorial(v);
        break;
    case FN_ASIN:
        value = inArcDomain(v) ? std::asin(v) * toAngle : 0;
        break;
    case FN_SIN:
        value = std::sin(angle);
        break;
    case FN_TO_RAD:
        value = degToRad * v;
        break;
    case FN_SQRT:
        if (v < 0) return;
        value = std::sqrt(v);
        break;
    case FN_ATAN:
        value = std::atan(v) * toAngle;
        break;
    case FN_TAN:
        value = std::tan(angle);
        break;
    case FN_TO_DEG:
        value = radToDeg * v;
        break;
    case FN_SQUARE:
        value = v * v;
        break;
    case FN_LN:
        value = std::log(v);
        break;
    case FN_EXP:
        value = std::exp(v);
        break;
    case FN_TO_EURO:
        value = v * EUROS_PER_FRANC;
        break;
    case FN_POW10:
        value = std::pow(10.0, v);
        break;
    case FN_LOG10:
        value = std::log10(v);
        break;
    case FN_PI:
        value = PI_DOUBLE;
        break;
    case FN_TO_FRANC:
        value = v * FRANCS_PER_EURO;
        break;
    case FN_INVERSE:
        if (v != 0) value = 1 / v;
        break;

    case FN_NEGATE:
        value = -v;
        intValue = fromBits(0u - toBits(intValue)); // -2147483648 stays itself
        if (textEntry) {
            if (text.length() > 0 && text[0] == '-')
                text.erase(0, 1);
            else
                text.prepend('-');
            // Taking the sign off a lone "-" would leave the display blank.
            if (text.length() == 0) text = "0";
        }
        return;
    case FN_SHIFT_LEFT:
    case FN_SHIFT_RIGHT:
        textEntry = false; // a typed fraction is given up
        intValue = (code == FN_SHIFT_LEFT) ? fromBits(toBits(intValue) << 1)
                                           : arithmeticShiftRight(intValue, 1);
        value = intValue;
        return;

    default:
        if (code > FN_SHIFT_RIGHT) return;
        break; // a code below the table only runs the result step
    }
    value = signInvalidResult(value, v);
    syncFromValue();
}
