// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The strict decimal reading rule, against glibc's wider strtod grammar.
#include "NumberReader.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Reading {
    const char* text;
    int consumed;
    double number;
};

TEST(NumberReader, ReadsOnlyPlainDecimalNumbers) {
    const Reading rows[] = {
        {"42", 2, 42},      {"  42", 4, 42}, {"\t\n\v\f\r7", 6, 7},  {"-1e3", 4, -1000},
        {"+2.5", 4, 2.5},   {".5", 2, 0.5},  {"5.", 2, 5},           {"1.2.3", 3, 1.2},
        {"2.5abc", 3, 2.5}, {"1e", 1, 1},    {"1e+", 1, 1},          {"1E-2x", 4, 0.01},
        {"0x1F", 1, 0},     {"0005", 4, 5},  {"1111 0000", 4, 1111}, {"12,5", 2, 12},
        {"1e+3", 4, 1000},
    };
    for (const Reading& r : rows) {
        double n = -99;
        EXPECT_EQ(readDecimalNumber(r.text, n), r.consumed) << r.text;
        EXPECT_EQ(n, r.number) << r.text;
    }
}

TEST(NumberReader, TextWithoutLeadingNumberConsumesNothing) {
    for (const char* text : {"", ".", "-", "+.", " ", "inf", "-inf", "INFINITY", "nan", "NaN(1)",
                             "-nan", "e5", "FF", "x1",
                             "\x01"
                             "5",
                             "\xff"
                             "1",
                             "- 5"}) {
        double n = -99;
        EXPECT_EQ(readDecimalNumber(text, n), 0) << text;
        EXPECT_EQ(n, 0) << text;
    }
}

TEST(NumberReader, MagnitudesBeyondDoubleReadAsSignedInfinity) {
    double n = 0;
    EXPECT_EQ(readDecimalNumber("1e400", n), 5);
    EXPECT_EQ(n, HUGE_VAL);
    EXPECT_EQ(readDecimalNumber("-1e999999999999", n), 15);
    EXPECT_EQ(n, -HUGE_VAL);
    EXPECT_EQ(readDecimalNumber("1e-400", n), 6);
    EXPECT_EQ(n, 0);
}

} // namespace
