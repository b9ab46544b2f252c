// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory slots: store with "<", recall with the MEM buttons.
#include "WindowHarness.h"

using namespace FX;

namespace {

using MemoryCommands = WindowTest;

TEST_F(MemoryCommands, StoreShowsTwoDecimalsAndLeavesEverythingElse) {
    click({"3", "+", "2", ".", "5"});
    markDisplays();
    EXPECT_EQ(press(AppWindow::ID_STORE_0), 1);
    EXPECT_EQ(window->memoryButtons[0]->getText(), "2.50");
    EXPECT_EQ(allShown(), "untouched | untouched | untouched");
    EXPECT_EQ(window->engine.memory[0], 2.5);
    click({"="});
    EXPECT_EQ(shown(BASE_DECIMAL), "5.500000");
    EXPECT_EQ(window->memoryButtons[1]->getText(), " MEM 1 ");
    EXPECT_EQ(window->memoryButtons[2]->getText(), " MEM 2 ");
}

TEST_F(MemoryCommands, RecallGivesTheFullAmountNotTheCaption) {
    click({"1", "/", "3", "="});
    press(AppWindow::ID_STORE_2);
    EXPECT_EQ(window->memoryButtons[2]->getText(), "0.33");
    click({"AC"});
    press(AppWindow::ID_RECALL_2);
    EXPECT_EQ(shown(BASE_DECIMAL), "0.333333");
    click({"*", "3", "="});
    EXPECT_EQ(shown(BASE_DECIMAL), "1");
}

TEST_F(MemoryCommands, OutsideDecimalOnlyTheShownIntegerIsStored) {
    clickDisplay(BASE_HEXADECIMAL);
    click({"7", "/", "2", "="});
    press(AppWindow::ID_STORE_1);
    EXPECT_EQ(window->memoryButtons[1]->getText(), "3.00");
    EXPECT_EQ(window->engine.memory[1], 3.0);

    clickDisplay(BASE_BINARY);
    click({"AC", "1", "+/-"});
    press(AppWindow::ID_STORE_0);
    EXPECT_EQ(window->memoryButtons[0]->getText(), "-1.00");
}

TEST_F(MemoryCommands, RecallKeepsThePendingOperator) {
    click({"4"});
    press(AppWindow::ID_STORE_2);
    click({"AC", "5", "+"});
    press(AppWindow::ID_RECALL_2);
    click({"="});
    EXPECT_EQ(shown(BASE_DECIMAL), "9");
}

TEST_F(MemoryCommands, NeverStoredSlotRecallsZero) {
    click({"7", ".", "1"});
    markDisplays();
    press(AppWindow::ID_RECALL_1);
    EXPECT_EQ(allShown(), "0000 0000 0000 0000 0000 0000 0000 0000 | 0x00000000 | 0");
    EXPECT_EQ(window->memoryButtons[1]->getText(), " MEM 1 ");
}

TEST_F(MemoryCommands, StoringTwiceKeepsOnlyTheSecondAmount) {
    click({"1"});
    press(AppWindow::ID_STORE_0);
    click({"AC", "2"});
    press(AppWindow::ID_STORE_0);
    EXPECT_EQ(window->memoryButtons[0]->getText(), "2.00");
    EXPECT_EQ(window->engine.memory[0], 2.0);
    EXPECT_EQ(window->engine.memory[1], 0.0);
    EXPECT_EQ(window->memoryButtons[1]->getText(), " MEM 1 ");
}

} // namespace
