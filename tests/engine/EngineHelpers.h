// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers that let engine tests read like a user's session.
#pragma once

#include "CalcEngine.h"

#include <string>

// Types every character of keys into the engine; returns false if any was refused.
inline bool type(CalcEngine& engine, const char* keys) {
    bool all = true;
    for (const char* k = keys; *k; ++k)
        all = engine.appendDigit(*k) && all;
    return all;
}

inline std::string str(const FXString& s) {
    return std::string(s.text(), s.length());
}

inline std::string decimal(const CalcEngine& e) {
    return str(e.decimalText());
}
inline std::string hex(const CalcEngine& e) {
    return str(e.hexText());
}
inline std::string binary(const CalcEngine& e) {
    return str(e.binaryText());
}

// An engine switched to the given base, as a click on that display would do.
inline CalcEngine engineIn(int base) {
    CalcEngine e;
    if (base != BASE_DECIMAL) e.setBase(base);
    return e;
}

#include <cstring>
#include <gtest/gtest.h>

inline bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every field of two engines, compared exactly (NaN and the sign of zero included).
inline void expectSameState(const CalcEngine& a, const CalcEngine& b) {
    EXPECT_TRUE(sameBits(a.accumulator, b.accumulator));
    EXPECT_EQ(a.intValue, b.intValue);
    EXPECT_TRUE(sameBits(a.value, b.value)) << a.value << " vs " << b.value;
    EXPECT_EQ(a.pendingOp, b.pendingOp);
    EXPECT_EQ(a.angleMode, b.angleMode);
    EXPECT_EQ(a.decimalPoint, b.decimalPoint);
    EXPECT_EQ(a.textEntry, b.textEntry);
    EXPECT_EQ(a.base, b.base);
    EXPECT_EQ(str(a.text), str(b.text));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(sameBits(a.memory[i], b.memory[i]));
}
