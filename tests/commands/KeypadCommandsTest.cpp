// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad buttons and the display refresh they trigger.
#include "WindowHarness.h"

using namespace FX;

namespace {

const char* const ZERO_BITS = "0000 0000 0000 0000 0000 0000 0000 0000";

using KeypadCommands = WindowTest;

TEST_F(KeypadCommands, EnteredValueAppearsInAllThreeBases) {
    click({"1", "2", "."});
    EXPECT_EQ(allShown(), "0000 0000 0000 0000 0000 0000 0000 1100 | 0x0000000C | 12.");

    click({"AC", "1", "+/-"});
    EXPECT_EQ(allShown(), "1111 1111 1111 1111 1111 1111 1111 1111 | 0xFFFFFFFF | -1");
}

TEST_F(KeypadCommands, EveryDigitButtonEntersItsOwnLabel) {
    clickDisplay(BASE_HEXADECIMAL);
    for (const char* digit :
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"}) {
        click({"AC", digit});
        EXPECT_EQ(shown(BASE_HEXADECIMAL), std::string("0x0000000") + digit);
    }
}

TEST_F(KeypadCommands, RefusedCharactersRewriteNothing) {
    for (const char* letter : {"A", "B", "C", "D", "E", "F"}) {
        markDisplays();
        EXPECT_EQ(press(button(letter)->getSelector()), 1);
        EXPECT_EQ(allShown(), "untouched | untouched | untouched") << letter << " in decimal";
    }

    click({"1", "."});
    markDisplays();
    click({"."});
    EXPECT_EQ(allShown(), "untouched | untouched | untouched") << "a second point";
    EXPECT_EQ(window->engine.text, "1.");

    clickDisplay(BASE_HEXADECIMAL);
    markDisplays();
    click({"."});
    EXPECT_EQ(allShown(), "untouched | untouched | untouched") << ". in hexadecimal";

    clickDisplay(BASE_BINARY);
    for (const char* refused : {"2", "3", "4", "5", "6", "7", "8", "9", "A", "F", "."}) {
        markDisplays();
        click({refused});
        EXPECT_EQ(allShown(), "untouched | untouched | untouched") << refused << " in binary";
    }
    EXPECT_EQ(window->engine.intValue, 1);
}

TEST_F(KeypadCommands, TripleZeroShiftsInThreeZerosInTheEntryBase) {
    click({"5", "000"});
    EXPECT_EQ(shown(BASE_DECIMAL), "5000");

    clickDisplay(BASE_HEXADECIMAL);
    click({"AC", "5", "000"});
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00005000");

    clickDisplay(BASE_BINARY);
    click({"AC", "1", "000"});
    EXPECT_EQ(shown(BASE_DECIMAL), "8");
}

TEST_F(KeypadCommands, TripleZeroStopsAtTheFirstRefusal) {
    // The logarithm of zero leaves a text with no leading number, which
    // refuses every further digit.
    click({"ln"});
    const FXString before = window->engine.text;
    markDisplays();
    click({"000"});
    EXPECT_EQ(allShown(), "untouched | untouched | untouched");
    EXPECT_EQ(window->engine.text, before);
}

TEST_F(KeypadCommands, SignAndDelAlwaysRewriteTheDisplays) {
    click({"4", "7"});
    markDisplays();
    click({"+/-"});
    EXPECT_EQ(shown(BASE_DECIMAL), "-47");
    markDisplays();
    click({"Del"});
    EXPECT_EQ(shown(BASE_DECIMAL), "-4");
    click({"Del"});
    markDisplays();
    click({"Del"});
    EXPECT_EQ(allShown(), std::string(ZERO_BITS) + " | 0x00000000 | 0");
}

TEST_F(KeypadCommands, KeyboardCallWithoutSenderActsAsAClick) {
    EXPECT_EQ(window->onCmdKeypad(nullptr, FXSEL(SEL_COMMAND, AppWindow::ID_KEY_7), nullptr), 1);
    EXPECT_EQ(window->onCmdKeypad(nullptr, FXSEL(SEL_COMMAND, AppWindow::ID_KEY_000), nullptr), 1);
    EXPECT_EQ(shown(BASE_DECIMAL), "7000");
}

} // namespace
