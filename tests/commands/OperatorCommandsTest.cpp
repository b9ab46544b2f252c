// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The operator column: chained operators, "=", "AC" and "Paste".
#include "WindowHarness.h"

using namespace FX;

namespace {

using OperatorCommands = WindowTest;

TEST_F(OperatorCommands, OperatorsChainFromLeftToRight) {
    expectSessions({
        {{"7", "+", "5", "="}, "12"},
        {{"7", "-", "5", "="}, "2"},
        {{"7", "*", "5", "="}, "35"},
        {{"7", "/", "2", "="}, "3.500000"},
        {{"7", "mod", "3", "="}, "1"},
        {{"2", "+", "3", "*", "4", "="}, "20"},
        {{"7", "+", "5", "=", "="}, "12"},
        {{"7", "/", "0", "="}, "0"},
    });
}

TEST_F(OperatorCommands, OperatorShowsZeroUntilTheNextDigit) {
    click({"5", "+"});
    EXPECT_EQ(allShown(), "0000 0000 0000 0000 0000 0000 0000 0000 | 0x00000000 | 0");
    click({"3", "="});
    EXPECT_EQ(shown(BASE_DECIMAL), "8");
}

TEST_F(OperatorCommands, ClearDropsThePendingOperationOnly) {
    click({"5", "+", "AC", "3", "="});
    EXPECT_EQ(shown(BASE_DECIMAL), "3");

    clickDisplay(BASE_HEXADECIMAL);
    press(AppWindow::ID_ANGLE);
    click({"AC", "9"});
    press(AppWindow::ID_STORE_1);
    click({"AC"});
    EXPECT_TRUE(window->displays[BASE_HEXADECIMAL]->getCheck());
    EXPECT_EQ(checkedDisplays(), 1);
    EXPECT_EQ(window->engine.base, BASE_HEXADECIMAL);
    EXPECT_EQ(window->angleButton->getText(), "[DEG]");
    EXPECT_EQ(window->memoryButtons[1]->getText(), "9.00");
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00000000");
    press(AppWindow::ID_RECALL_1);
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00000009");
}

TEST_F(OperatorCommands, BuildIdentifiersOfExitAndAboutDoNothing) {
    click({"5", "+", "3"});
    markDisplays();
    for (FXSelector id : {AppWindow::ID_EXIT, AppWindow::ID_INFO}) {
        EXPECT_EQ(window->onCmdOperator(nullptr, FXSEL(SEL_COMMAND, id), nullptr), 1);
        EXPECT_EQ(allShown(), "untouched | untouched | untouched");
    }
    click({"="});
    EXPECT_EQ(shown(BASE_DECIMAL), "8");
}

TEST_F(OperatorCommands, PasteRewritesTheDisplaysWhateverItFinds) {
    markDisplays();
    click({"Paste"});
    EXPECT_NE(shown(BASE_BINARY), UNTOUCHED);
    EXPECT_NE(shown(BASE_HEXADECIMAL), UNTOUCHED);
    EXPECT_NE(shown(BASE_DECIMAL), UNTOUCHED);
}

} // namespace
