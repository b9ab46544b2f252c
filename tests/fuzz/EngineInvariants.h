// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every engine state must keep, checked after each fuzzed step;
// any break aborts so the fuzzer records the input.
#pragma once

#include "CalcEngine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

inline void requireThat(bool ok, const char* rule) {
    if (ok) return;
    std::fprintf(stderr, "engine rule broken: %s\n", rule);
    std::abort();
}

inline void checkInvariants(const CalcEngine& e) {
    requireThat(e.intValue == CalcEngine::truncateToInt(e.value), "intValue follows value");
    // A code that is no base may be set; a typed text may stay through it.
    requireThat(!e.textEntry || (e.base != BASE_BINARY && e.base != BASE_HEXADECIMAL),
                "no text entry in binary or hexadecimal base");
    requireThat(!e.textEntry || e.text.length() > 0, "the decimal text is never blank");
    static const FXint allowed[] = {OP_NONE, OP_ADD, OP_SUB, OP_MUL, OP_DIV,
                                    OP_MOD,  OP_AND, OP_OR,  OP_XOR};
    bool known = false;
    for (FXint op : allowed)
        known = known || e.pendingOp == op;
    requireThat(known, "pendingOp is an operator");
    requireThat(e.angleMode == 0 || e.angleMode == 1, "angleMode in range");

    const FXString bin = e.binaryText();
    requireThat(bin.length() == 39, "binary text has 39 characters");
    FXuint fromBinary = 0;
    for (FXint i = 0; i < 39; ++i) {
        if (i % 5 == 4) {
            requireThat(bin[i] == ' ', "binary groups of four");
        } else {
            requireThat(bin[i] == '0' || bin[i] == '1', "binary digits");
            fromBinary = (fromBinary << 1) | static_cast<FXuint>(bin[i] - '0');
        }
    }
    requireThat(fromBinary == static_cast<FXuint>(e.intValue), "binary text shows intValue");

    const FXString hex = e.hexText();
    requireThat(hex.length() == 10 && hex[0] == '0' && hex[1] == 'x', "hex text form");
    FXuint fromHex = 0;
    for (FXint i = 2; i < 10; ++i) {
        const char c = hex[i];
        const bool digit = c >= '0' && c <= '9', letter = c >= 'A' && c <= 'F';
        requireThat(digit || letter, "upper-case hex digits");
        fromHex = (fromHex << 4) | static_cast<FXuint>(digit ? c - '0' : c - 'A' + 10);
    }
    requireThat(fromHex == static_cast<FXuint>(e.intValue), "hex text shows intValue");

    if (e.base == BASE_DECIMAL && !e.textEntry) {
        FXString expected;
        expected.format("%d", e.intValue);
        requireThat(e.decimalText() == expected, "decimal text shows intValue");
    }
}
