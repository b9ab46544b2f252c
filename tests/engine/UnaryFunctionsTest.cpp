// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one-argument functions, the sign change and the shifts.
#include "EngineHelpers.h"

#include <cmath>

namespace {

CalcEngine withValue(double v, int base = BASE_DECIMAL) {
    CalcEngine e = engineIn(base);
    e.value = v;
    e.syncFromValue();
    return e;
}

double apply(FXint code, double v, int angleMode = 0) {
    CalcEngine e = withValue(v);
    e.angleMode = angleMode;
    e.applyFunction(code);
    return e.value;
}

TEST(UnaryFunctions, ValuesOfEachFunction) {
    EXPECT_EQ(apply(FN_SQRT, 9), 3);
    EXPECT_EQ(apply(FN_SQRT, 0.25), 0.5);
    EXPECT_EQ(apply(FN_SQRT, 0), 0);
    EXPECT_NEAR(apply(FN_ASIN, -0.5), -0.523599, 1e-6);
    EXPECT_NEAR(apply(FN_ASIN, -1), -1.570796, 1e-6);
    EXPECT_NEAR(apply(FN_ACOS, -0.5), 2.094395, 1e-6);
    EXPECT_NEAR(apply(FN_ACOS, -1), 3.141593, 1e-6);
    EXPECT_EQ(apply(FN_SQUARE, -3), 9);
    EXPECT_EQ(apply(FN_INVERSE, 4), 0.25);
    EXPECT_EQ(apply(FN_TO_EURO, 100), 15.24490172374104);
    EXPECT_EQ(apply(FN_TO_FRANC, 100), 655.957);
    EXPECT_EQ(apply(FN_PI, 42), 3.141592653589793);
    EXPECT_EQ(apply(FN_POW10, 2), 100);
    EXPECT_EQ(apply(FN_EXP, 1), 2.718281828459045);
    EXPECT_EQ(apply(FN_LN, 0), -HUGE_VAL);
    EXPECT_TRUE(std::isnan(apply(FN_LN, -1)));
    EXPECT_EQ(apply(FN_LOG10, 1000), 3);
    EXPECT_EQ(apply(FN_EXP, 1000), HUGE_VAL);
    EXPECT_EQ(apply(FN_TO_RAD, 180), 3.141592653589793);
    EXPECT_EQ(apply(FN_TO_DEG, 3.141592653589793), 180);
    EXPECT_EQ(apply(FN_TO_RAD, 180, 1), apply(FN_TO_RAD, 180, 0)); // conversions ignore the mode
    EXPECT_EQ(degToRad, 0.017453292519943295);

    CalcEngine cosine = withValue(0.5); // every function ends in the result step
    cosine.applyFunction(FN_COS);
    EXPECT_EQ(decimal(cosine), "0.877583");
    EXPECT_EQ(radToDeg, 57.29577951308232);
}

TEST(UnaryFunctions, GuardsLeaveTheValueAlone) {
    CalcEngine neg = withValue(-4);
    const CalcEngine before = neg;
    neg.applyFunction(FN_SQRT);
    expectSameState(neg, before);
    // Zero is no negative number: its root is a result like any other.
    CalcEngine zero;
    type(zero, "0.0");
    zero.applyFunction(FN_SQRT);
    EXPECT_FALSE(zero.textEntry);
    EXPECT_EQ(decimal(zero), "0");

    EXPECT_EQ(apply(FN_INVERSE, 0), 0);
    EXPECT_TRUE(std::signbit(apply(FN_INVERSE, -0.0)));
    for (double outside : {2.0, -1.5, double(NAN), HUGE_VAL}) {
        EXPECT_EQ(apply(FN_ACOS, outside), 0) << outside;
        EXPECT_EQ(apply(FN_ASIN, outside, 1), 0) << outside;
    }
}

TEST(UnaryFunctions, TrigonometryInDegrees) {
    EXPECT_EQ(apply(FN_SIN, 90, 1), 1);
    const double s180 = apply(FN_SIN, 180, 1);
    EXPECT_NE(s180, 0);
    EXPECT_LT(std::fabs(s180), 1e-15);
    EXPECT_NEAR(apply(FN_TAN, 90, 1), 1.633e16, 1e13);
    EXPECT_EQ(apply(FN_ATAN, 1, 1), 45);
    EXPECT_EQ(apply(FN_ACOS, 0, 1), 90);
    EXPECT_EQ(apply(FN_ASIN, 1, 1), 90);
    EXPECT_EQ(apply(FN_COS, 0, 1), 1);

    CalcEngine e = withValue(180);
    e.angleMode = 1;
    e.applyFunction(FN_SIN);
    EXPECT_EQ(decimal(e), "0.000000");
    EXPECT_EQ(e.intValue, 0);
}

TEST(UnaryFunctions, FactorialCountsAndOverflow) {
    struct Row {
        double v;
        double result;
    };
    const Row rows[] = {
        {5, 120},
        {5.9, 120},
        {0, 1},
        {1, 1},
        {-0.5, 1},
        {170, 7.257415615308004e306},
        {171, 0},
        {-1, 0},
        {1e10, 0},
        {-4294967295.0 + 170, 0},
        {9.3e18, 1},
        {9223372036854775808.0, 1}, // 2^63: the first count with no 64-bit conversion
        {NAN, 1},
        {HUGE_VAL, 1},
        {-HUGE_VAL, 1},
        {4294967296.0 + 3, 6},
    };
    for (const Row& r : rows)
        EXPECT_EQ(apply(FN_FACTORIAL, r.v), r.result) << r.v;
}

TEST(UnaryFunctions, ResultsFollowTheBase) {
    CalcEngine d = withValue(2);
    d.applyFunction(FN_SQRT);
    EXPECT_EQ(decimal(d), "1.414214");
    EXPECT_EQ(d.intValue, 1);

    CalcEngine h = withValue(2, BASE_HEXADECIMAL);
    h.applyFunction(FN_SQRT);
    EXPECT_EQ(h.value, std::sqrt(2.0));
    EXPECT_EQ(hex(h), "0x00000001");
    h.applyFunction(FN_SQUARE);
    EXPECT_EQ(hex(h), "0x00000002");

    CalcEngine pi = withValue(0);
    pi.applyFunction(FN_PI);
    EXPECT_EQ(decimal(pi), "3.141593");

    CalcEngine inf = withValue(0);
    inf.applyFunction(FN_LN);
    EXPECT_EQ(decimal(inf), "-inf");
    EXPECT_EQ(inf.intValue, -2147483647 - 1);

    // Invalid arguments give the same "-nan" on every processor.
    for (FXint code : {FN_LN, FN_LOG10, FN_SIN, FN_COS, FN_TAN}) {
        CalcEngine nan = withValue(code == FN_LN || code == FN_LOG10 ? -1 : HUGE_VAL);
        nan.applyFunction(code);
        EXPECT_TRUE(nan.textEntry) << code;
        EXPECT_EQ(decimal(nan), "-nan") << code;
    }

    CalcEngine chain;
    type(chain, "2");
    chain.applyOperator(OP_ADD);
    type(chain, "9");
    chain.applyFunction(FN_SQRT);
    chain.applyOperator(OP_EQUALS);
    EXPECT_EQ(decimal(chain), "5");
}

TEST(UnaryFunctions, SignChangeKeepsTheTypedForm) {
    CalcEngine e;
    type(e, "12.5");
    e.applyFunction(FN_NEGATE);
    EXPECT_EQ(decimal(e), "-12.5");
    EXPECT_EQ(e.value, -12.5);
    EXPECT_EQ(e.intValue, -12);
    e.applyFunction(FN_NEGATE);
    EXPECT_EQ(decimal(e), "12.5");

    CalcEngine zero;
    zero.applyFunction(FN_NEGATE);
    EXPECT_TRUE(std::signbit(zero.value));
    EXPECT_EQ(decimal(zero), "0");

    CalcEngine min;
    type(min, "2147483648");
    min.applyFunction(FN_NEGATE);
    EXPECT_EQ(min.intValue, -2147483647 - 1);

    CalcEngine integer;
    integer.text = "untouched";
    type(integer, "7");
    integer.applyFunction(FN_NEGATE);
    EXPECT_EQ(decimal(integer), "-7");
    EXPECT_EQ(str(integer.text), "untouched");
}

TEST(UnaryFunctions, SignChangeNeverLeavesTheDisplayBlank) {
    // The text "-" is reached by deleting an infinity's text down to its sign.
    CalcEngine t;
    t.applyFunction(FN_LN);
    t.deleteLast();
    t.deleteLast();
    t.deleteLast();
    ASSERT_EQ(str(t.text), "-");
    t.applyFunction(FN_NEGATE);
    EXPECT_EQ(decimal(t), "0");
    t.applyFunction(FN_NEGATE);
    EXPECT_EQ(decimal(t), "-0");
}

TEST(UnaryFunctions, ShiftsWorkOnThe32BitInteger) {
    CalcEngine l = withValue(5);
    l.applyFunction(FN_SHIFT_LEFT);
    EXPECT_EQ(decimal(l), "10");
    CalcEngine r = withValue(5);
    r.applyFunction(FN_SHIFT_RIGHT);
    EXPECT_EQ(decimal(r), "2");

    CalcEngine typed;
    type(typed, "5.5");
    typed.applyFunction(FN_SHIFT_LEFT);
    EXPECT_FALSE(typed.textEntry);
    EXPECT_EQ(typed.value, 10);

    CalcEngine top = withValue(1073741824);
    top.applyFunction(FN_SHIFT_LEFT);
    EXPECT_EQ(top.intValue, -2147483647 - 1);
    EXPECT_EQ(top.value, -2147483648.0);
    top.applyFunction(FN_SHIFT_LEFT);
    EXPECT_EQ(top.intValue, 0);

    CalcEngine m3 = withValue(-3);
    m3.applyFunction(FN_SHIFT_RIGHT);
    EXPECT_EQ(m3.intValue, -2);
    CalcEngine m1 = withValue(-1);
    m1.applyFunction(FN_SHIFT_RIGHT);
    EXPECT_EQ(m1.intValue, -1);
}

TEST(UnaryFunctions, CodesOutsideTheTable) {
    CalcEngine e = withValue(2.5);
    e.text = "0";
    e.textEntry = false;
    e.applyFunction(999); // below: only the result step
    EXPECT_TRUE(e.textEntry);
    EXPECT_EQ(decimal(e), "2.500000");

    const CalcEngine before = e;
    for (FXint code : {FXint(FN_ANGLE), 1023, 5000, 0x7FFFFFFF})
        e.applyFunction(code);
    expectSameState(e, before);

    // Above the table not even the result step runs: a typed text stays as typed.
    CalcEngine typed;
    type(typed, "2.50");
    for (FXint code : {FXint(FN_SHIFT_RIGHT) + 1, 1023, 0x7FFFFFFF})
        typed.applyFunction(code);
    EXPECT_EQ(decimal(typed), "2.50");
}

} // namespace
