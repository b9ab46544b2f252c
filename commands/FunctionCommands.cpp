// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The function pad and the integer column: unary functions applied at once,
// the angle-mode toggle, the shifts and the bitwise chained operators.
#include "AppWindow.h"

using namespace FX;

namespace {

const FXuint FUNCTION_BUTTONS = AppWindow::ID_INVERSE - AppWindow::ID_ACOS + 1;

// Label of the angle button for each angle mode: radians, degrees.
const char* const ANGLE_LABELS[] = {"[RAD]", "[DEG]"};

// What each integer button does, in button order: the shifts act at once, the
// bitwise operators wait in the chain like "+".
struct IntegerAction {
    bool immediate;
    FXint code; // FunctionCode when immediate, OpCode otherwise
};

const IntegerAction INTEGER_ACTIONS[] = {
    {true, FN_SHIFT_LEFT}, {true, FN_SHIFT_RIGHT}, {false, OP_AND}, {false, OP_OR}, {false, OP_XOR},
};

} // namespace

long AppWindow::onCmdFunction(FXObject*, FXSelector sel, void*) {
    const FXuint position = FXSELID(sel) - ID_ACOS;
    if (position >= FUNCTION_BUTTONS) return 1;
    if (FXSELID(sel) == ID_ANGLE) {
        // The value is unchanged, so the displays are left alone.
        engine.toggleAngleMode();
        angleButton->setText(ANGLE_LABELS[engine.angleMode != 0]);
        return 1;
    }
    // The function codes follow the pad's button order.
    engine.applyFunction(FN_ACOS + position);
    updateDisplays();
    return 1;
}

long AppWindow::onCmdInteger(FXObject*, FXSelector sel, void*) {
    const FXuint position = FXSELID(sel) - ID_SHL;
    if (position >= ARRAYNUMBER(INTEGER_ACTIONS)) return 1;
    const IntegerAction& action = INTEGER_ACTIONS[position];
    if (action.immediate)
        engine.applyFunction(action.code);
    else
        engine.applyOperator(action.code);
    updateDisplays();
    return 1;
}
