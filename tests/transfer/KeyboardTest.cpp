// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: key symbols that stand for keypad and operator buttons.
#include "WindowHarness.h"

#include <fxkeys.h>

using namespace FX;

namespace {

class Keyboard : public WindowTest {
protected:
    // Delivers a key press as the toolkit does, with the modifiers given.
    long key(FXint code, FXint state = 0) {
        FXEvent event{};
        event.type = SEL_KEYPRESS;
        event.code = code;
        event.state = state;
        return window->handle(window, FXSEL(SEL_KEYPRESS, 0), &event);
    }

    // The displays and the chain after a command, to compare a key with a click.
    std::string state() const {
        return allShown() + " | pending " + std::to_string(window->engine.pendingOp);
    }
};

struct KeyRow {
    FXint code;
    const char* button;
};

// Every key of the table but Escape, with the button it stands for.
const KeyRow KEY_ROWS[] = {
    {KEY_0, "0"},           {KEY_KP_0, "0"},       {KEY_1, "1"},           {KEY_KP_1, "1"},
    {KEY_2, "2"},           {KEY_KP_2, "2"},       {KEY_3, "3"},           {KEY_KP_3, "3"},
    {KEY_4, "4"},           {KEY_KP_4, "4"},       {KEY_5, "5"},           {KEY_KP_5, "5"},
    {KEY_6, "6"},           {KEY_KP_6, "6"},       {KEY_7, "7"},           {KEY_KP_7, "7"},
    {KEY_8, "8"},           {KEY_KP_8, "8"},       {KEY_9, "9"},           {KEY_KP_9, "9"},
    {KEY_A, "A"},           {KEY_a, "A"},          {KEY_B, "B"},           {KEY_b, "B"},
    {KEY_C, "C"},           {KEY_c, "C"},          {KEY_D, "D"},           {KEY_d, "D"},
    {KEY_E, "E"},           {KEY_e, "E"},          {KEY_F, "F"},           {KEY_f, "F"},
    {KEY_period, "."},      {KEY_KP_Decimal, "."}, {KEY_BackSpace, "Del"}, {KEY_plus, "+"},
    {KEY_KP_Add, "+"},      {KEY_minus, "-"},      {KEY_KP_Subtract, "-"}, {KEY_asterisk, "*"},
    {KEY_KP_Multiply, "*"}, {KEY_slash, "/"},      {KEY_KP_Divide, "/"},   {KEY_equal, "="},
    {KEY_Return, "="},      {KEY_KP_Enter, "="},   {KEY_Delete, "AC"},
};

// A key does exactly what a click on its button does, in decimal and in
// hexadecimal base, and is reported as handled even when the base refuses it.
TEST_F(Keyboard, EachKeyActsAsItsButton) {
    for (FXint base : {BASE_DECIMAL, BASE_HEXADECIMAL}) {
        clickDisplay(base);
        for (const KeyRow& row : KEY_ROWS) {
            click({"AC", "7", "+", "1", "2"});
            EXPECT_EQ(key(row.code), 1) << row.button;
            const std::string byKey = state();
            click({"AC", "7", "+", "1", "2", row.button});
            EXPECT_EQ(byKey, state()) << "key for " << row.button << " in base " << base;
        }
    }
}

TEST_F(Keyboard, TypedSessionComputes) {
    for (FXint code : {KEY_7, KEY_plus, KEY_5, KEY_Return})
        key(code);
    EXPECT_EQ(shown(BASE_DECIMAL), "12");
    for (FXint code : {KEY_Delete, KEY_KP_7, KEY_KP_Add, KEY_KP_5, KEY_KP_Enter})
        key(code);
    EXPECT_EQ(shown(BASE_DECIMAL), "12");
    for (FXint code : {KEY_5, KEY_plus, KEY_Delete, KEY_3, KEY_equal})
        key(code);
    EXPECT_EQ(shown(BASE_DECIMAL), "3") << "Delete drops the pending addition";
    for (FXint code : {KEY_4, KEY_2, KEY_BackSpace})
        key(code);
    EXPECT_EQ(shown(BASE_DECIMAL), "34");
}

TEST_F(Keyboard, ModifiersChangeNothing) {
    clickDisplay(BASE_HEXADECIMAL);
    window->clipText = "before";
    EXPECT_EQ(key(KEY_c, CONTROLMASK), 1);
    EXPECT_EQ(key(KEY_F, SHIFTMASK | ALTMASK), 1);
    EXPECT_EQ(key(KEY_KP_1, CAPSLOCKMASK | NUMLOCKMASK), 1);
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00000CF1");
    EXPECT_EQ(window->clipText, "before") << "Control+C copies nothing";
}

TEST_F(Keyboard, KeysOutsideTheTableAreNotHandledAndChangeNothing) {
    click({"4", "2"});
    markDisplays();
    const FXint outside[] = {KEY_comma,      KEY_KP_Separator, KEY_Tab,      KEY_space, KEY_F1,
                             KEY_Left,       KEY_Up,           KEY_g,        KEY_G,     KEY_z,
                             KEY_Control_L,  KEY_Shift_L,      KEY_KP_Space, 0,         -1,
                             0x10000 + KEY_7};
    for (FXint code : outside) {
        EXPECT_EQ(key(code), 0) << code;
    }
    EXPECT_EQ(allShown(), "untouched | untouched | untouched");
    EXPECT_EQ(window->engine.intValue, 42);
    EXPECT_EQ(window->handle(window, FXSEL(SEL_KEYPRESS, 0), nullptr), 0) << "no event at all";
}

// The window takes every key press itself: not even an accelerator of the
// inherited key handling fires for a key outside the table.
TEST_F(Keyboard, InheritedKeyHandlingNeverSeesAKey) {
    bool fired = false;
    Deferred accelerator([&] { fired = true; });
    FXAccelTable* table = window->getAccelTable();
    ASSERT_NE(table, nullptr);
    table->addAccel(MKUINT(KEY_F1, 0), &accelerator, FXSEL(SEL_COMMAND, 1));
    table->addAccel(MKUINT(KEY_7, 0), &accelerator, FXSEL(SEL_COMMAND, 1));
    EXPECT_EQ(key(KEY_F1), 0);
    EXPECT_EQ(key(KEY_7), 1);
    EXPECT_FALSE(fired);
    table->removeAccel(MKUINT(KEY_F1, 0));
    table->removeAccel(MKUINT(KEY_7, 0));
}

TEST_F(Keyboard, EscapeEndsTheEventLoopWithZero) {
    long handled = 0;
    Deferred escape([&] { handled = key(KEY_Escape); });
    testApplication().addChore(&escape, 0);
    EXPECT_EQ(testApplication().run(), 0);
    EXPECT_EQ(handled, 1);
}

} // namespace
