// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three texts of the value.
#include "EngineHelpers.h"

namespace {

struct Texts {
    FXint intValue;
    const char* binary;
    const char* hex;
    const char* decimal;
};

TEST(ValueTexts, ShowTheTwosComplementPatternOfIntValue) {
    const Texts rows[] = {
        {0, "0000 0000 0000 0000 0000 0000 0000 0000", "0x00000000", "0"},
        {5, "0000 0000 0000 0000 0000 0000 0000 0101", "0x00000005", "5"},
        {255, "0000 0000 0000 0000 0000 0000 1111 1111", "0x000000FF", "255"},
        {-1, "1111 1111 1111 1111 1111 1111 1111 1111", "0xFFFFFFFF", "-1"},
        {-2147483647 - 1, "1000 0000 0000 0000 0000 0000 0000 0000", "0x80000000", "-2147483648"},
        {0x12345678, "0001 0010 0011 0100 0101 0110 0111 1000", "0x12345678", "305419896"},
    };
    for (const Texts& r : rows) {
        CalcEngine e;
        e.intValue = r.intValue;
        e.value = r.intValue;
        EXPECT_EQ(binary(e), r.binary);
        EXPECT_EQ(hex(e), r.hex);
        EXPECT_EQ(decimal(e), r.decimal);
    }
}

TEST(ValueTexts, DecimalShowsTheTextOnlyWhileTextEntryIsSet) {
    CalcEngine h = engineIn(BASE_HEXADECIMAL);
    type(h, "5");
    h.applyOperator(OP_DIV);
    type(h, "2");
    h.applyOperator(OP_EQUALS);
    EXPECT_EQ(h.value, 2.5);
    EXPECT_EQ(hex(h), "0x00000002");
    EXPECT_EQ(decimal(h), "2");

    CalcEngine d;
    d.setValueFromText("1e20");
    EXPECT_EQ(decimal(d), "100000000000000000000.000000");
    EXPECT_EQ(hex(d), "0x80000000");
    EXPECT_EQ(decimal(d), decimal(d));
}

} // namespace
