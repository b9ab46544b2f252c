// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: a fixed table turns key symbols into the keypad and operator
// commands, so a key and a click take the same road; Escape quits. Keys act
// as they are pressed: their releases go nowhere.
#include "AppWindow.h"

#include <fxkeys.h>

using namespace FX;

namespace {

using Handler = long (AppWindow::*)(FXObject*, FXSelector, void*);

// One key: the command it stands for and who carries it out. Quitting goes
// through the window's own dispatch, as the "Exit" button's message does.
struct KeyBinding {
    FXint code; // key symbol, as the event carries it
    Handler handler;
    FXSelector id;
};

const Handler KEYPAD = &AppWindow::onCmdKeypad;
const Handler OPERATOR = &AppWindow::onCmdOperator;
const Handler DISPATCH = &AppWindow::handle;

// Only the key symbol counts: modifiers never change the command, so Control+C
// enters the digit C and copy and paste have no key.
const KeyBinding KEY_TABLE[] = {
    {KEY_0, KEYPAD, AppWindow::ID_KEY_0},
    {KEY_KP_0, KEYPAD, AppWindow::ID_KEY_0},
    {KEY_1, KEYPAD, AppWindow::ID_KEY_1},
    {KEY_KP_1, KEYPAD, AppWindow::ID_KEY_1},
    {KEY_2, KEYPAD, AppWindow::ID_KEY_2},
    {KEY_KP_2, KEYPAD, AppWindow::ID_KEY_2},
    {KEY_3, KEYPAD, AppWindow::ID_KEY_3},
    {KEY_KP_3, KEYPAD, AppWindow::ID_KEY_3},
    {KEY_4, KEYPAD, AppWindow::ID_KEY_4},
    {KEY_KP_4, KEYPAD, AppWindow::ID_KEY_4},
    {KEY_5, KEYPAD, AppWindow::ID_KEY_5},
    {KEY_KP_5, KEYPAD, AppWindow::ID_KEY_5},
    {KEY_6, KEYPAD, AppWindow::ID_KEY_6},
    {KEY_KP_6, KEYPAD, AppWindow::ID_KEY_6},
    {KEY_7, KEYPAD, AppWindow::ID_KEY_7},
    {KEY_KP_7, KEYPAD, AppWindow::ID_KEY_7},
    {KEY_8, KEYPAD, AppWindow::ID_KEY_8},
    {KEY_KP_8, KEYPAD, AppWindow::ID_KEY_8},
    {KEY_9, KEYPAD, AppWindow::ID_KEY_9},
    {KEY_KP_9, KEYPAD, AppWindow::ID_KEY_9},
    {KEY_A, KEYPAD, AppWindow::ID_KEY_A},
    {KEY_a, KEYPAD, AppWindow::ID_KEY_A},
    {KEY_B, KEYPAD, AppWindow::ID_KEY_B},
    {KEY_b, KEYPAD, AppWindow::ID_KEY_B},
    {KEY_C, KEYPAD, AppWindow::ID_KEY_C},
    {KEY_c, KEYPAD, AppWindow::ID_KEY_C},
    {KEY_D, KEYPAD, AppWindow::ID_KEY_D},
    {KEY_d, KEYPAD, AppWindow::ID_KEY_D},
    {KEY_E, KEYPAD, AppWindow::ID_KEY_E},
    {KEY_e, KEYPAD, AppWindow::ID_KEY_E},
    {KEY_F, KEYPAD, AppWindow::ID_KEY_F},
    {KEY_f, KEYPAD, AppWindow::ID_KEY_F},
    {KEY_period, KEYPAD, AppWindow::ID_KEY_POINT},
    {KEY_KP_Decimal, KEYPAD, AppWindow::ID_KEY_POINT},
    {KEY_BackSpace, KEYPAD, AppWindow::ID_KEY_DEL},
    {KEY_plus, OPERATOR, AppWindow::ID_ADD},
    {KEY_KP_Add, OPERATOR, AppWindow::ID_ADD},
    {KEY_minus, OPERATOR, AppWindow::ID_SUB},
    {KEY_KP_Subtract, OPERATOR, AppWindow::ID_SUB},
    {KEY_asterisk, OPERATOR, AppWindow::ID_MUL},
    {KEY_KP_Multiply, OPERATOR, AppWindow::ID_MUL},
    {KEY_slash, OPERATOR, AppWindow::ID_DIV},
    {KEY_KP_Divide, OPERATOR, AppWindow::ID_DIV},
    {KEY_equal, OPERATOR, AppWindow::ID_EQUALS},
    {KEY_Return, OPERATOR, AppWindow::ID_EQUALS},
    {KEY_KP_Enter, OPERATOR, AppWindow::ID_EQUALS},
    {KEY_Delete, OPERATOR, AppWindow::ID_CLEAR},
    {KEY_Escape, DISPATCH, AppWindow::ID_QUIT},
};

} // namespace

// Keys outside the table are reported as not handled; the inherited key
// handling never sees them either, since the message map gives every key here.
long AppWindow::onKeyPress(FXObject*, FXSelector, void* ptr) {
    const FXEvent* event = static_cast<const FXEvent*>(ptr);
    if (!event) return 0;
    for (const KeyBinding& key : KEY_TABLE) {
        if (key.code != event->code) continue;
        (this->*key.handler)(nullptr, FXSEL(SEL_COMMAND, key.id), nullptr);
        return 1;
    }
    return 0;
}

// Keys act as they are pressed, so their releases go nowhere: in particular
// not to the widget with the keyboard focus, which is the button clicked last.
// The toolkit's button takes the release of the space bar as the end of a
// press of its own, even of a press made with the mouse that is still held:
// it acts, forgets the press, and then ignores the mouse button's release,
// which is what would end the toolkit's hold on the pointer for it. Every
// later click, anywhere in the window, would then go to that button.
long AppWindow::onKeyRelease(FXObject*, FXSelector, void*) {
    return 1;
}
