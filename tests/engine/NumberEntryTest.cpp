// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Number entry and deletion in the three bases.
#include "EngineHelpers.h"

namespace {

TEST(NumberEntry, BinaryBitsShiftInAndOldestFallsOut) {
    CalcEngine b = engineIn(BASE_BINARY);
    EXPECT_TRUE(type(b, "101"));
    EXPECT_EQ(b.intValue, 5);
    EXPECT_EQ(b.value, 5);
    EXPECT_TRUE(b.deleteLast());
    EXPECT_EQ(b.intValue, 2);
    EXPECT_EQ(b.value, 2);

    CalcEngine ones = engineIn(BASE_BINARY);
    for (int i = 0; i < 33; ++i)
        ones.appendDigit('1');
    EXPECT_EQ(ones.intValue, -1);
    ones.deleteLast();
    EXPECT_EQ(ones.intValue, -1);
    EXPECT_EQ(ones.value, -1);

    CalcEngine six = engineIn(BASE_BINARY);
    six.intValue = -6;
    six.deleteLast();
    EXPECT_EQ(six.intValue, -3);
}

TEST(NumberEntry, HexDigitsShiftInAndOldestFallsOut) {
    CalcEngine h = engineIn(BASE_HEXADECIMAL);
    EXPECT_TRUE(type(h, "FF"));
    EXPECT_EQ(h.intValue, 255);

    CalcEngine nine = engineIn(BASE_HEXADECIMAL);
    type(nine, "123456789");
    EXPECT_EQ(hex(nine), "0x23456789");
    type(nine, "ABCDEF");
    EXPECT_EQ(hex(nine), "0x89ABCDEF");
    EXPECT_EQ(nine.value, static_cast<double>(static_cast<FXint>(0x89ABCDEFu)));

    CalcEngine d = engineIn(BASE_HEXADECIMAL);
    type(d, "1234");
    EXPECT_TRUE(d.deleteLast());
    EXPECT_EQ(hex(d), "0x00000123");
    EXPECT_EQ(d.value, 0x123);
    type(d, "80000000");
    d.deleteLast();
    EXPECT_EQ(hex(d), "0xF8000000");
}

TEST(NumberEntry, RefusedCharactersLeaveEveryFieldUntouched) {
    struct Case {
        int base;
        const char* before;
        const char* refused;
    };
    const Case cases[] = {
        {BASE_BINARY, "101", "23456789ABCDEF.abx -+:@"},
        {BASE_HEXADECIMAL, "1F", "abcdefG.x -:;<=>?@/"},
        {BASE_DECIMAL, "12", "ABCDEFabcdef,x -+e:@"},
        {BASE_DECIMAL, "12.5", ".ABCDEF,"},
    };
    for (const Case& c : cases) {
        CalcEngine e = engineIn(c.base);
        type(e, c.before);
        const CalcEngine before = e;
        for (const char* r = c.refused; *r; ++r) {
            EXPECT_FALSE(e.appendDigit(*r)) << c.before << " + " << *r;
            expectSameState(e, before);
        }
    }
    // Not a base: nothing is accepted and deletion changes nothing, neither
    // from a number nor from a typed text, where decimal entry would.
    for (const char* typed : {"47", "4.7"}) {
        CalcEngine odd;
        type(odd, typed);
        odd.setBase(7);
        const CalcEngine before = odd;
        EXPECT_FALSE(odd.appendDigit('1'));
        EXPECT_FALSE(odd.appendDigit('.'));
        EXPECT_TRUE(odd.deleteLast());
        expectSameState(odd, before);
    }
}

TEST(NumberEntry, DecimalIntegerFormWrapsAndGrowsAwayFromZero) {
    CalcEngine e;
    type(e, "12");
    EXPECT_EQ(decimal(e), "12");
    EXPECT_FALSE(e.textEntry);

    CalcEngine big;
    type(big, "2147483648");
    EXPECT_EQ(big.intValue, -2147483647 - 1);
    EXPECT_EQ(decimal(big), "-2147483648");

    CalcEngine wrap;
    type(wrap, "2147483647");
    type(wrap, "0");
    EXPECT_EQ(decimal(wrap), "-10");
    EXPECT_EQ(wrap.value, -10);

    CalcEngine neg;
    type(neg, "5");
    neg.applyFunction(FN_NEGATE);
    type(neg, "3");
    EXPECT_EQ(decimal(neg), "-53");
}

TEST(NumberEntry, DecimalTextFormFollowsTheTypedText) {
    CalcEngine e;
    type(e, "12.");
    EXPECT_EQ(decimal(e), "12.");
    EXPECT_EQ(hex(e), "0x0000000C");
    type(e, "5");
    EXPECT_EQ(decimal(e), "12.5");
    EXPECT_EQ(e.value, 12.5);
    EXPECT_EQ(e.intValue, 12);

    CalcEngine neg;
    type(neg, "3");
    neg.applyFunction(FN_NEGATE);
    type(neg, ".25");
    EXPECT_EQ(decimal(neg), "-3.25");
    EXPECT_EQ(neg.value, -3.25);
    EXPECT_EQ(neg.intValue, -3);

    CalcEngine result;
    type(result, "5");
    result.applyOperator(OP_DIV);
    type(result, "2");
    result.applyOperator(OP_EQUALS);
    EXPECT_EQ(decimal(result), "2.500000");
    type(result, "7");
    EXPECT_EQ(decimal(result), "2.5000007");
    EXPECT_EQ(result.value, 2.5000007);

    // A digit that rounds the typed number up to the next integer moves the
    // integer displays with it.
    CalcEngine nines;
    type(nines, "0.9999999999999999");
    EXPECT_EQ(hex(nines), "0x00000000");
    type(nines, "9");
    EXPECT_EQ(nines.value, 1);
    EXPECT_EQ(hex(nines), "0x00000001");
    EXPECT_EQ(binary(nines), "0000 0000 0000 0000 0000 0000 0000 0001");
    EXPECT_TRUE(nines.deleteLast()); // and taking the digit back moves them back
    EXPECT_EQ(hex(nines), "0x00000000");

    CalcEngine chained;
    type(chained, "7");
    chained.applyOperator(OP_ADD);
    type(chained, "5");
    chained.applyOperator(OP_EQUALS);
    type(chained, "3");
    EXPECT_EQ(decimal(chained), "123");
}

TEST(NumberEntry, DigitsAfterAnInfinityOrNaNTextAreRefused) {
    CalcEngine e;
    e.applyFunction(FN_LN); // ln 0
    ASSERT_TRUE(e.textEntry);
    const CalcEngine before = e;
    EXPECT_FALSE(e.appendDigit('5'));
    expectSameState(e, before);

    CalcEngine n;
    type(n, "7");
    n.applyOperator(OP_MOD);
    n.applyOperator(OP_EQUALS); // 7 mod 0
    ASSERT_TRUE(n.textEntry);
    const CalcEngine nanBefore = n;
    EXPECT_FALSE(n.appendDigit('1'));
    expectSameState(n, nanBefore);
}

TEST(NumberEntry, DeleteWalksBackThroughTextAndIntegerForms) {
    CalcEngine e;
    type(e, "12.5");
    EXPECT_TRUE(e.deleteLast());
    EXPECT_EQ(decimal(e), "12.");
    EXPECT_EQ(e.value, 12);
    e.deleteLast();
    EXPECT_FALSE(e.textEntry);
    EXPECT_EQ(decimal(e), "12");
    EXPECT_TRUE(e.deleteLast());
    EXPECT_EQ(decimal(e), "1");
    e.deleteLast();
    EXPECT_EQ(decimal(e), "0");
    EXPECT_EQ(str(e.text), "0");
    EXPECT_EQ(e.value, 0);

    CalcEngine neg;
    type(neg, "47");
    neg.applyFunction(FN_NEGATE);
    neg.deleteLast();
    EXPECT_EQ(decimal(neg), "-4");
    neg.deleteLast(); // a lone "-" reads as 0
    EXPECT_EQ(decimal(neg), "0");
    EXPECT_EQ(neg.value, 0);

    CalcEngine min;
    type(min, "2147483648");
    min.deleteLast();
    EXPECT_EQ(decimal(min), "-214748364");
}

TEST(NumberEntry, DeletingATextDownToNothingEndsAtZero) {
    CalcEngine e;
    e.applyFunction(FN_LN); // text of minus infinity
    std::string shown = decimal(e);
    while (e.textEntry) {
        e.deleteLast();
        const std::string now = decimal(e);
        ASSERT_FALSE(now.empty());
        ASSERT_LT(now.size(), shown.size() + 1);
        shown = now;
    }
    EXPECT_EQ(decimal(e), "0");
    EXPECT_EQ(e.value, 0);

    CalcEngine empty; // a text of length 0 is treated like one of length 1
    empty.textEntry = true;
    empty.text = "";
    empty.deleteLast();
    EXPECT_FALSE(empty.textEntry);
    EXPECT_EQ(decimal(empty), "0");

    CalcEngine one;
    one.textEntry = true;
    one.text = "7";
    one.value = 7;
    one.intValue = 7;
    one.deleteLast();
    EXPECT_FALSE(one.textEntry);
    EXPECT_EQ(one.value, 0);
    EXPECT_EQ(one.intValue, 0);
    EXPECT_EQ(hex(one), "0x00000000");
}

} // namespace
