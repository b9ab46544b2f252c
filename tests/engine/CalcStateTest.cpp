// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The state record: construction, reset, the integer conversion, the result
// step, base changes, memories and reading a pasted text.
#include "EngineHelpers.h"

#include <cmath>
#include <limits>

namespace {

const FXint INT_MIN32 = -2147483647 - 1;

TEST(CalcState, NewEngineIsZeroInDecimalRadians) {
    CalcEngine e;
    EXPECT_EQ(e.accumulator, 0);
    EXPECT_EQ(e.intValue, 0);
    EXPECT_EQ(e.value, 0);
    EXPECT_EQ(e.pendingOp, OP_NONE);
    EXPECT_EQ(e.angleMode, 0);
    EXPECT_EQ(e.decimalPoint, '.');
    EXPECT_FALSE(e.textEntry);
    EXPECT_EQ(e.base, BASE_DECIMAL);
    EXPECT_EQ(str(e.text), "0");
    for (double m : e.memory)
        EXPECT_EQ(m, 0);
    EXPECT_EQ(decimal(e), "0");
    EXPECT_EQ(hex(e), "0x00000000");
}

TEST(CalcState, ResetClearsTheValueSideOnly) {
    CalcEngine e = engineIn(BASE_DECIMAL);
    e.toggleAngleMode();
    e.memory[1] = 4;
    type(e, "12.5");
    e.applyOperator(OP_ADD);
    type(e, "3");
    e.reset();
    EXPECT_EQ(e.accumulator, 0);
    EXPECT_EQ(e.pendingOp, OP_NONE);
    EXPECT_EQ(e.value, 0);
    EXPECT_EQ(e.intValue, 0);
    EXPECT_EQ(str(e.text), "0");
    EXPECT_FALSE(e.textEntry);
    EXPECT_EQ(e.angleMode, 1);
    EXPECT_EQ(e.memory[1], 4);

    // "AC" straight after a typed fraction drops the text too.
    CalcEngine typed;
    type(typed, "12.5");
    typed.reset();
    EXPECT_FALSE(typed.textEntry);
    EXPECT_EQ(str(typed.text), "0");
    EXPECT_EQ(decimal(typed), "0");

    CalcEngine h = engineIn(BASE_HEXADECIMAL);
    h.reset();
    EXPECT_EQ(h.base, BASE_HEXADECIMAL);
}

TEST(CalcState, TruncateToIntTruncatesAndGuardsEveryDouble) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(CalcEngine::truncateToInt(3.99), 3);
    EXPECT_EQ(CalcEngine::truncateToInt(-3.99), -3);
    EXPECT_EQ(CalcEngine::truncateToInt(-0.5), 0);
    EXPECT_EQ(CalcEngine::truncateToInt(2147483647.9), 2147483647);
    EXPECT_EQ(CalcEngine::truncateToInt(-2147483648.9), INT_MIN32);
    EXPECT_EQ(CalcEngine::truncateToInt(-2147483648.0), INT_MIN32);
    for (double outside :
         {2147483648.0, 3000000000.0, -3000000000.0, -2147483649.0, 1e300, inf, -inf, nan, -nan})
        EXPECT_EQ(CalcEngine::truncateToInt(outside), INT_MIN32) << outside;
}

TEST(CalcState, IntegralMeansExactly32BitAndNeverNaN) {
    EXPECT_TRUE(CalcEngine::isIntegral(-0.0));
    EXPECT_TRUE(CalcEngine::isIntegral(-2147483648.0));
    EXPECT_TRUE(CalcEngine::isIntegral(2147483647.0));
    EXPECT_FALSE(CalcEngine::isIntegral(2147483648.0));
    EXPECT_FALSE(CalcEngine::isIntegral(2.5));
    EXPECT_FALSE(CalcEngine::isIntegral(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(CalcEngine::isIntegral(std::numeric_limits<double>::quiet_NaN()));
}

TEST(CalcState, LeavingDecimalDropsTheFractionAndBinaryHexKeepIt) {
    CalcEngine e;
    type(e, "2.75");
    e.setBase(BASE_HEXADECIMAL);
    EXPECT_EQ(e.value, 2);
    EXPECT_EQ(e.intValue, 2);
    EXPECT_FALSE(e.textEntry);

    CalcEngine h = engineIn(BASE_HEXADECIMAL);
    type(h, "2");
    h.applyFunction(FN_SQRT);
    h.setBase(BASE_BINARY);
    EXPECT_EQ(h.value, std::sqrt(2.0));
    h.setBase(BASE_DECIMAL);
    EXPECT_EQ(h.value, 1);
    EXPECT_EQ(decimal(h), "1");
}

TEST(CalcState, SetBaseIgnoresTheSameBaseAndKeepsCodesThatAreNoBase) {
    CalcEngine e;
    type(e, "2.75");
    const CalcEngine before = e;
    e.setBase(BASE_DECIMAL);
    expectSameState(e, before);
    EXPECT_EQ(decimal(e), "2.75");

    // A code that is no base is kept: digits are refused, deleting does nothing.
    e.setBase(7);
    EXPECT_EQ(e.base, 7);
    const CalcEngine inSeven = e;
    EXPECT_FALSE(e.appendDigit('1'));
    EXPECT_FALSE(e.appendDigit('.'));
    EXPECT_TRUE(e.deleteLast());
    expectSameState(e, inSeven);
    e.setBase(0xFFFFFFFFu);
    EXPECT_EQ(e.base, -1);

    // Back in a real base the typed text and its fraction are gone, as when
    // leaving decimal base directly.
    CalcEngine back = e;
    back.setBase(BASE_DECIMAL);
    EXPECT_FALSE(back.textEntry);
    EXPECT_EQ(back.value, 2);
    EXPECT_EQ(decimal(back), "2");
    e.setBase(BASE_HEXADECIMAL);
    EXPECT_FALSE(e.textEntry);
    EXPECT_EQ(e.value, 2);
}

TEST(CalcState, StoreKeepsWhatIsShownAndIgnoresUnknownSlots) {
    CalcEngine h = engineIn(BASE_HEXADECIMAL);
    h.value = std::sqrt(2.0);
    h.syncFromValue();
    h.storeMemory(0);
    EXPECT_EQ(h.memory[0], 1);

    CalcEngine d;
    d.value = std::sqrt(2.0);
    d.syncFromValue();
    d.storeMemory(2);
    EXPECT_EQ(d.memory[2], std::sqrt(2.0));

    CalcEngine before = d;
    d.storeMemory(3);
    d.recallMemory(3);
    d.storeMemory(0xFFFFFFFFu);
    d.recallMemory(0xFFFFFFFFu);
    expectSameState(d, before);
}

TEST(CalcState, RecallIsAResultStep) {
    CalcEngine d;
    d.memory[1] = 2.5;
    type(d, "7.1");
    d.recallMemory(1);
    EXPECT_EQ(d.value, 2.5);
    EXPECT_EQ(d.intValue, 2);
    EXPECT_TRUE(d.textEntry);
    EXPECT_EQ(str(d.text), "2.500000");

    CalcEngine b = engineIn(BASE_BINARY);
    b.memory[0] = 2.5;
    b.recallMemory(0);
    EXPECT_EQ(b.value, 2.5);
    EXPECT_EQ(b.intValue, 2);
    EXPECT_FALSE(b.textEntry);

    CalcEngine z;
    type(z, "12.5");
    z.recallMemory(2); // never stored
    EXPECT_EQ(decimal(z), "0");
    EXPECT_FALSE(z.textEntry);
}

TEST(CalcState, SetValueFromTextReadsADecimalNumberInEveryBase) {
    CalcEngine d;
    EXPECT_TRUE(d.setValueFromText("  42"));
    EXPECT_EQ(decimal(d), "42");
    EXPECT_FALSE(d.textEntry);
    EXPECT_TRUE(d.setValueFromText("2.5 and letters"));
    EXPECT_EQ(decimal(d), "2.500000");
    EXPECT_TRUE(d.setValueFromText("-1e3"));
    EXPECT_EQ(d.value, -1000);
    EXPECT_EQ(decimal(d), "-1000");

    CalcEngine h = engineIn(BASE_HEXADECIMAL);
    EXPECT_TRUE(h.setValueFromText("2.5"));
    EXPECT_EQ(h.value, 2.5);
    EXPECT_EQ(hex(h), "0x00000002");
    EXPECT_EQ(decimal(h), "2");
    type(h, "A");
    EXPECT_EQ(decimal(h), "42");
    EXPECT_TRUE(h.setValueFromText("255"));
    EXPECT_EQ(hex(h), "0x000000FF");
    EXPECT_TRUE(h.setValueFromText("0x1F")); // reads the 0 before the x
    EXPECT_EQ(h.value, 0);
}

TEST(CalcState, UnreadableTextChangesNothing) {
    CalcEngine e;
    type(e, "5");
    e.applyOperator(OP_ADD);
    type(e, "1.5");
    const CalcEngine before = e;
    for (const char* text : {"", "FF", "inf", "nan", "-", ".", "\xfe\xff", "e3"}) {
        EXPECT_FALSE(e.setValueFromText(text)) << text;
        expectSameState(e, before);
    }
    // A zero byte inside the text ends the number.
    EXPECT_TRUE(e.setValueFromText(FXString("3\0"
                                            "99",
                                            4)));
    EXPECT_EQ(e.value, 3);
    e.applyOperator(OP_EQUALS);
    EXPECT_EQ(decimal(e), "8"); // the pending operator survived
}

TEST(CalcState, ToggleAngleModeFlips) {
    CalcEngine e;
    e.toggleAngleMode();
    EXPECT_EQ(e.angleMode, 1);
    e.toggleAngleMode();
    EXPECT_EQ(e.angleMode, 0);
}

} // namespace
