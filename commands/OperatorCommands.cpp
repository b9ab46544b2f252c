// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The operator column: the chained arithmetic operators, "=", "AC" and "Paste".
// "Exit" and "..." carry the window's own identifiers instead.
#include "AppWindow.h"

using namespace FX;

namespace {

// Operator code of each position of the column, in button order; OP_NONE marks
// the buttons that are not binary operators.
const FXint OPERATOR_CODES[] = {
    OP_MOD, OP_NONE, OP_MUL, OP_NONE, OP_DIV, OP_NONE, OP_SUB, OP_NONE, OP_ADD, OP_EQUALS,
};

} // namespace

long AppWindow::onCmdOperator(FXObject*, FXSelector sel, void*) {
    const FXuint position = FXSELID(sel) - ID_MOD;
    if (position >= ARRAYNUMBER(OPERATOR_CODES)) return 1;
    switch (FXSELID(sel)) {
    case ID_CLEAR:
        engine.reset();
        break;
    case ID_PASTE:
        pasteValue();
        break;
    case ID_EXIT:
    case ID_INFO:
        // Their buttons deliver ID_QUIT and ID_ABOUT, so these never arrive.
        return 1;
    default:
        engine.applyOperator(OPERATOR_CODES[position]);
    }
    updateDisplays();
    return 1;
}
