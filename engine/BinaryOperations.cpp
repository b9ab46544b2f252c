// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The chain of binary operators, applied strictly left to right: each key
// folds the pending operator into the accumulator, then waits or finishes.
#include "CalcEngine.h"
#include "InvalidResult.h"

#include <cmath>

namespace {

bool isOperator(FXint code) {
    switch (code) {
    case OP_NONE:
    case OP_ADD:
    case OP_SUB:
    case OP_MUL:
    case OP_DIV:
    case OP_MOD:
    case OP_AND:
    case OP_OR:
    case OP_XOR:
    case OP_EQUALS:
        return true;
    default:
        return false;
    }
}

} // namespace

void CalcEngine::applyOperator(FXint code) {
    // An unknown code is ignored whole, so pendingOp only ever holds a real operator.
    if (!isOperator(code)) return;
    const double v = value;
    const double left = accumulator;
    switch (pendingOp) {
    case OP_NONE:
        accumulator = v;
        break;
    case OP_ADD:
        accumulator += v;
        break;
    case OP_SUB:
        accumulator -= v;
        break;
    case OP_MUL:
        accumulator *= v;
        break;
    case OP_DIV:
        accumulator = (v == 0) ? 0.0 : accumulator / v;
        break; // no infinity from "/"
    case OP_MOD:
        accumulator = std::fmod(accumulator, v);
        break;
    // The bitwise operators work on the 32-bit integers of both operands.
    case OP_AND:
        accumulator = intValue & truncateToInt(accumulator);
        break;
    case OP_OR:
        accumulator = intValue | truncateToInt(accumulator);
        break;
    case OP_XOR:
        accumulator = intValue ^ truncateToInt(accumulator);
        break;
    default:
        break;
    }
    accumulator = signInvalidResult(accumulator, left, v);

    if (code == OP_EQUALS) {
        pendingOp = OP_NONE;
        value = accumulator;
        syncFromValue();
        return;
    }
    value = 0;
    intValue = 0;
    pendingOp = code;
    textEntry = false;
    if (base == BASE_DECIMAL) text = "0";
}
