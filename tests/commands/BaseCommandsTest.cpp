// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the entry base by clicking a display.
#include "WindowHarness.h"

using namespace FX;

namespace {

using BaseCommands = WindowTest;

TEST_F(BaseCommands, ClickingTheCheckedDisplayChangesNothing) {
    click({"1", "."});
    markDisplays();
    clickDisplay(BASE_DECIMAL);
    EXPECT_EQ(allShown(), "untouched | untouched | untouched");
    EXPECT_EQ(checkedDisplays(), 1);
    EXPECT_TRUE(window->engine.textEntry);
}

TEST_F(BaseCommands, LeavingDecimalDropsTheFraction) {
    click({"1", "2", ".", "5"});
    clickDisplay(BASE_HEXADECIMAL);
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x0000000C");
    EXPECT_EQ(shown(BASE_DECIMAL), "12");
    EXPECT_FALSE(window->displays[BASE_DECIMAL]->getCheck());
    clickDisplay(BASE_DECIMAL);
    EXPECT_EQ(shown(BASE_DECIMAL), "12");
    EXPECT_EQ(window->engine.value, 12);
}

TEST_F(BaseCommands, DigitsTypedInHexadecimalReadOnInDecimal) {
    clickDisplay(BASE_HEXADECIMAL);
    click({"F", "F"});
    clickDisplay(BASE_DECIMAL);
    EXPECT_EQ(shown(BASE_DECIMAL), "255");
    EXPECT_FALSE(window->displays[BASE_HEXADECIMAL]->getCheck());
}

TEST_F(BaseCommands, PendingOperationSurvivesABaseChange) {
    click({"5", "+"});
    clickDisplay(BASE_HEXADECIMAL);
    click({"A", "="});
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x0000000F");
}

TEST_F(BaseCommands, ExactlyOneDisplayIsCheckedAndTheKeypadFollowsIt) {
    for (FXint base : {BASE_BINARY, BASE_HEXADECIMAL, BASE_HEXADECIMAL, BASE_DECIMAL, BASE_BINARY,
                       BASE_DECIMAL, BASE_BINARY}) {
        clickDisplay(base);
        EXPECT_EQ(checkedDisplays(), 1);
        EXPECT_TRUE(window->displays[base]->getCheck());
        EXPECT_EQ(window->engine.base, base);
    }
    // Binary now: only "0", "1" and "000" are taken.
    for (const char* key : {"0", "1", "2", "5", "9", "A", "F", ".", "000"}) {
        click({"AC"});
        markDisplays();
        click({key});
        const bool taken =
            std::string(key) == "0" || std::string(key) == "1" || std::string(key) == "000";
        EXPECT_EQ(shown(BASE_BINARY) != UNTOUCHED, taken) << key;
    }
}

TEST_F(BaseCommands, IdentifierOutsideTheDisplaysIsIgnored) {
    markDisplays();
    EXPECT_EQ(window->onCmdBase(nullptr, FXSEL(SEL_COMMAND, AppWindow::ID_DECIMAL + 1), nullptr),
              1);
    EXPECT_EQ(allShown(), "untouched | untouched | untouched");
    EXPECT_EQ(window->engine.base, BASE_DECIMAL);
}

} // namespace
