// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The left-to-right chain of binary operators.
#include "EngineHelpers.h"

#include <cmath>

namespace {

// Runs a session such as "7 / 2 =": numbers are typed, single tokens are keys.
CalcEngine run(const char* session, int base = BASE_DECIMAL) {
    CalcEngine e = engineIn(base);
    std::string token;
    auto flush = [&]() {
        if (token.empty()) return;
        static const struct {
            const char* key;
            FXint code;
        } ops[] = {{"+", OP_ADD}, {"-", OP_SUB},   {"*", OP_MUL},
                   {"/", OP_DIV}, {"mod", OP_MOD}, {"AND", OP_AND},
                   {"OR", OP_OR}, {"XOR", OP_XOR}, {"=", OP_EQUALS}};
        bool isOp = false;
        for (const auto& op : ops)
            if (token == op.key) {
                e.applyOperator(op.code);
                isOp = true;
            }
        if (token == "neg") {
            e.applyFunction(FN_NEGATE);
        } else if (!isOp) {
            EXPECT_TRUE(type(e, token.c_str())) << token;
        }
        token.clear();
    };
    for (const char* c = session; *c; ++c) {
        if (*c == ' ')
            flush();
        else
            token += *c;
    }
    flush();
    return e;
}

TEST(BinaryOperations, ChainFromLeftToRightWithoutPrecedence) {
    struct Row {
        const char* session;
        const char* shown;
    };
    const Row rows[] = {
        {"7 + 5 =", "12"},       {"7 + 5 * 2 =", "24"},      {"7 + 5 = =", "12"},
        {"7 * + 5 =", "5"},      {"7 + - =", "7"},           {"7 / + =", "0"},
        {"1 / 3 =", "0.333333"}, {"2 / 3 =", "0.666667"},    {"7 / 0 =", "0"},
        {"7 mod 3 =", "1"},      {"7 neg mod 3 =", "-1"},    {"7.5 mod 2 =", "1.500000"},
        {"12 AND 10 =", "8"},    {"12 OR 10 =", "14"},       {"12 XOR 10 =", "6"},
        {"5.7 AND 3 =", "1"},    {"1 neg AND 255 =", "255"}, {"5 =", "5"},
        {"2 - 7 =", "-5"},       {"7 + 5 = + 1 =", "13"},
    };
    for (const Row& r : rows) {
        CalcEngine e = run(r.session);
        EXPECT_EQ(decimal(e), r.shown) << r.session;
        EXPECT_EQ(e.pendingOp, OP_NONE) << r.session;
    }
}

TEST(BinaryOperations, OperatorKeyClearsTheValueForTheNextOperand) {
    CalcEngine d = run("12.5 +");
    EXPECT_EQ(d.accumulator, 12.5);
    EXPECT_EQ(d.pendingOp, OP_ADD);
    EXPECT_EQ(d.value, 0);
    EXPECT_FALSE(d.textEntry);
    EXPECT_EQ(str(d.text), "0");
    EXPECT_EQ(decimal(d), "0");

    CalcEngine b = engineIn(BASE_BINARY);
    b.text = "stale";
    type(b, "11");
    b.applyOperator(OP_SUB);
    EXPECT_EQ(str(b.text), "stale"); // outside decimal base the text is not touched
    EXPECT_EQ(binary(b), "0000 0000 0000 0000 0000 0000 0000 0000");
}

TEST(BinaryOperations, EqualsIsAResultStepPerBase) {
    CalcEngine d = run("7 / 2 =");
    EXPECT_EQ(d.value, 3.5);
    EXPECT_EQ(d.intValue, 3);
    EXPECT_TRUE(d.textEntry);
    EXPECT_EQ(str(d.text), "3.500000");

    CalcEngine h = run("7 / 2 =", BASE_HEXADECIMAL);
    EXPECT_EQ(h.value, 3.5);
    EXPECT_EQ(hex(h), "0x00000003");
    EXPECT_FALSE(h.textEntry);

    CalcEngine typed = run("12.5 =");
    EXPECT_EQ(decimal(typed), "12.500000");
    CalcEngine point = run("12. =");
    EXPECT_EQ(decimal(point), "12");
    EXPECT_FALSE(point.textEntry);
}

TEST(BinaryOperations, NaNResultShowsAsNaNTextNotAnInteger) {
    CalcEngine d = run("7 mod 0 =");
    EXPECT_TRUE(std::isnan(d.value));
    EXPECT_EQ(d.intValue, -2147483647 - 1);
    EXPECT_TRUE(d.textEntry);
    EXPECT_EQ(decimal(d), "-nan"); // the same text on every processor
    EXPECT_EQ(hex(d), "0x80000000");
    EXPECT_EQ(binary(d), "1000 0000 0000 0000 0000 0000 0000 0000");

    CalcEngine h = run("7 mod 0 =", BASE_HEXADECIMAL);
    EXPECT_FALSE(h.textEntry);
    EXPECT_EQ(decimal(h), "-2147483648");
}

TEST(BinaryOperations, InvalidResultsAreMinusNaNAndNaNOperandsPassOnTheirSign) {
    for (const char* session : {"7 mod 0 =", "0 mod 0 =", "7.5 neg mod 0 ="}) {
        CalcEngine d = run(session);
        EXPECT_TRUE(std::isnan(d.value) && std::signbit(d.value)) << session;
        EXPECT_EQ(decimal(d), "-nan") << session;
    }
    // Infinity minus infinity, and 0 times infinity.
    for (FXint op : {OP_SUB, OP_MUL}) {
        CalcEngine f;
        f.accumulator = op == OP_SUB ? HUGE_VAL : 0;
        f.pendingOp = op;
        f.value = HUGE_VAL;
        f.applyOperator(OP_EQUALS);
        EXPECT_EQ(decimal(f), "-nan") << op;
    }

    // The sign change makes a NaN without its sign, and it travels on as it is.
    CalcEngine p = run("7 mod 0 = neg");
    EXPECT_EQ(decimal(p), "nan");
    p.applyOperator(OP_ADD);
    type(p, "1");
    p.applyOperator(OP_EQUALS);
    EXPECT_FALSE(std::signbit(p.value));
    EXPECT_EQ(decimal(p), "nan");
    p.applyFunction(FN_SQUARE);
    EXPECT_EQ(decimal(p), "nan");
}

TEST(BinaryOperations, OverflowGivesInfinityAndBitwiseTakesItAsMinInt) {
    CalcEngine e;
    e.setValueFromText("1e300");
    e.applyOperator(OP_MUL);
    e.setValueFromText("1e300");
    e.applyOperator(OP_EQUALS);
    EXPECT_EQ(e.value, HUGE_VAL);
    EXPECT_EQ(decimal(e), "inf");
    e.applyOperator(OP_AND);
    type(e, "1");
    e.applyOperator(OP_EQUALS);
    EXPECT_EQ(decimal(e), "0"); // -2147483648 AND 1

    CalcEngine big;
    big.setValueFromText("3000000000");
    big.applyOperator(OP_OR);
    type(big, "1");
    big.applyOperator(OP_EQUALS);
    EXPECT_EQ(decimal(big), "-2147483647");
}

TEST(BinaryOperations, UnknownOperatorCodesAreIgnored) {
    CalcEngine e = run("7 +");
    const CalcEngine before = e;
    for (FXint code : {6, 7, 9, 13, 99, 101, -1, 1000})
        e.applyOperator(code);
    expectSameState(e, before);
}

} // namespace
