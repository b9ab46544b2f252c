// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad: the sixteen hexadecimal digits, ".", "000", "+/-" and "Del". The
// keyboard reaches the same handler with a null sender.
#include "AppWindow.h"

using namespace FX;

namespace {

// The character each keypad position hands to the engine, in button order, four
// to a row as on the pad; "+/-" and "Del" are not characters.
const char KEYPAD_CHARACTERS[] = {
    'A', '7', '8', '9', //
    'B', '4', '5', '6', //
    'C', '1', '2', '3', //
    'D', '0', '.', '0', //
    'E', 'F', 0,   0,   //
};

} // namespace

long AppWindow::onCmdKeypad(FXObject*, FXSelector sel, void*) {
    const FXuint position = FXSELID(sel) - ID_KEY_A;
    if (position >= ARRAYNUMBER(KEYPAD_CHARACTERS)) return 1;
    switch (FXSELID(sel)) {
    case ID_KEY_000:
        // Stops at the first refusal. A base that takes one zero takes them all,
        // but should a later one be refused, the zeros already taken are shown.
        if (engine.appendDigit('0')) {
            if (engine.appendDigit('0')) engine.appendDigit('0');
            updateDisplays();
        }
        break;
    case ID_KEY_SIGN:
        engine.applyFunction(FN_NEGATE);
        updateDisplays();
        break;
    case ID_KEY_DEL:
        engine.deleteLast();
        updateDisplays();
        break;
    default:
        // A character the base refuses leaves the engine as it was: nothing to show.
        if (engine.appendDigit(KEYPAD_CHARACTERS[position])) updateDisplays();
    }
    return 1;
}
