// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The function pad, the angle toggle and the integer column.
#include "WindowHarness.h"

using namespace FX;

namespace {

using FunctionCommands = WindowTest;

// Each function button applies the function its label names, which holds only
// while the pad's order and the function codes agree.
TEST_F(FunctionCommands, EachButtonAppliesTheFunctionItsLabelNames) {
    expectSessions({
        {{"0", "acos"}, "1.570796"}, {{"0", "cos"}, "1"},
        {{"5", "!"}, "120"},         {{"1", "asin"}, "1.570796"},
        {{"1", "sin"}, "0.841471"},  {{"1", "8", "0", "->rad"}, "3.141593"},
        {{"9", "sqrt"}, "3"},        {{"1", "atan"}, "0.785398"},
        {{"1", "tan"}, "1.557408"},  {{"1", "->deg"}, "57.295780"},
        {{"1", "2", "x^2"}, "144"},  {{"1", "0", "ln"}, "2.302585"},
        {{"1", "e^x"}, "2.718282"},  {{"1", "0", "0", "->E"}, "15.244902"},
        {{"2", "10^x"}, "100"},      {{"1", "0", "0", "0", "log"}, "3"},
        {{"7", "Pi"}, "3.141593"},   {{"1", "0", "0", "->F"}, "655.957000"},
        {{"4", "1/x"}, "0.250000"},
    });
}

TEST_F(FunctionCommands, AngleToggleRewritesOnlyItsOwnLabel) {
    click({"9", "0"});
    markDisplays();
    EXPECT_EQ(press(AppWindow::ID_ANGLE), 1);
    EXPECT_EQ(window->angleButton->getText(), "[DEG]");
    EXPECT_EQ(allShown(), "untouched | untouched | untouched");
    EXPECT_EQ(window->engine.value, 90);

    click({"AC", "9", "0", "sin"});
    EXPECT_EQ(shown(BASE_DECIMAL), "1");

    press(AppWindow::ID_ANGLE);
    EXPECT_EQ(window->angleButton->getText(), "[RAD]");
    click({"AC", "9", "0", "sin"});
    EXPECT_EQ(allShown(), "0000 0000 0000 0000 0000 0000 0000 0000 | 0x00000000 | 0.893997");
}

TEST_F(FunctionCommands, FractionStaysInTheValueOutsideDecimalBase) {
    clickDisplay(BASE_HEXADECIMAL);
    click({"2", "sqrt"});
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00000001");
    EXPECT_EQ(shown(BASE_DECIMAL), "1");
    click({"x^2"});
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00000002");

    click({"AC", "Pi"});
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00000003");
}

TEST_F(FunctionCommands, GuardedFunctionsStillRewriteTheDisplays) {
    markDisplays();
    click({"1/x"});
    EXPECT_EQ(shown(BASE_DECIMAL), "0");

    click({"4", "+/-"});
    markDisplays();
    click({"sqrt"});
    EXPECT_EQ(shown(BASE_DECIMAL), "-4");
}

TEST_F(FunctionCommands, ShiftsActAtOnceAndBitwiseOperatorsChain) {
    expectSessions({
        {{"5", "AND", "3", "="}, "1"},
        {{"5", "OR", "3", "="}, "7"},
        {{"5", "XOR", "3", "="}, "6"},
        {{"5", "<<"}, "10"},
        {{"5", ">>"}, "2"},
        {{"2", "+", "3", "XOR", "1", "="}, "4"},
    });
}

} // namespace
