// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs reproducible random operation sequences through the engine and prints
// each step with the engine's whole state after it, doubles as bit patterns.
// Two builds for different processors compute the same results when their
// traces are byte-identical; scripts/cross-check.sh compares them.
// Usage: engine_sequence_trace [SEQUENCES [SEED]]
#include "CalcEngine.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// splitmix64: the same numbers on every processor and C++ library.
struct Random {
    uint64_t state;
    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    unsigned below(unsigned n) { return static_cast<unsigned>(next() % n); }
};

const FXint OPERATORS[] = {OP_ADD, OP_SUB, OP_MUL, OP_DIV,   OP_MOD,
                           OP_AND, OP_OR,  OP_XOR, OP_EQUALS};
const char* const OPERATOR_NAMES[] = {"+", "-", "*", "/", "mod", "AND", "OR", "XOR", "="};
// In the order of the function codes, FN_ACOS to FN_SHIFT_RIGHT.
const char* const FUNCTION_NAMES[] = {"acos", "cos", "angle", "n!",  "asin", "sin", "rad",  "sqrt",
                                      "atan", "tan", "deg",   "x^2", "ln",   "exp", "euro", "10^x",
                                      "log",  "pi",  "franc", "1/x", "neg",  "shl", "shr"};

// Numbers that reach the edges: factorial overflow, the double range, exact
// angles, and plain random mantissas with exponents across the whole range.
void pasteNumber(CalcEngine& e, Random& r) {
    static const char* const EDGES[] = {"0",
                                        "1",
                                        "-1",
                                        "2",
                                        "0.5",
                                        "45",
                                        "90",
                                        "180",
                                        "170",
                                        "171",
                                        "1e308",
                                        "1.7976931348623157e308",
                                        "2.2250738585072014e-308",
                                        "4.9e-324",
                                        "2147483647",
                                        "2147483648",
                                        "-2147483648.5",
                                        "3",
                                        "7",
                                        "0.1"};
    char buffer[64];
    if (r.below(3) == 0) {
        std::snprintf(buffer, sizeof buffer, "%s", EDGES[r.below(sizeof EDGES / sizeof *EDGES)]);
    } else {
        // One draw per statement: the order of evaluating arguments differs
        // between compilers for different processors.
        const int exponent = static_cast<int>(r.below(641)) - 320;
        const bool negative = r.below(4) == 0;
        const unsigned whole = r.below(10);
        const unsigned fraction = r.below(1000000);
        const bool wide = r.below(2) == 1;
        std::snprintf(buffer, sizeof buffer, "%s%u.%06ue%d", negative ? "-" : "", whole, fraction,
                      wide ? exponent : exponent / 40);
    }
    e.setValueFromText(buffer);
    std::printf("paste %s: ", buffer);
}

void step(CalcEngine& e, Random& r) {
    switch (r.below(16)) {
    case 0:
    case 1:
    case 2: {
        const char digit = "0123456789.ABCDEF"[r.below(17)];
        e.appendDigit(digit);
        std::printf("digit %c: ", digit);
        break;
    }
    case 3:
        e.deleteLast();
        std::printf("delete: ");
        break;
    case 4:
    case 5: {
        const unsigned pick = r.below(sizeof OPERATORS / sizeof *OPERATORS);
        e.applyOperator(OPERATORS[pick]);
        std::printf("operator %s: ", OPERATOR_NAMES[pick]);
        break;
    }
    case 6:
    case 7:
    case 8:
    case 9: {
        const unsigned pick = r.below(FN_SHIFT_RIGHT - FN_ACOS + 1);
        e.applyFunction(FN_ACOS + static_cast<FXint>(pick));
        std::printf("function %s: ", FUNCTION_NAMES[pick]);
        break;
    }
    case 10:
        e.setBase(r.below(3));
        std::printf("base: ");
        break;
    case 11:
        if (r.below(2))
            e.storeMemory(r.below(3));
        else
            e.recallMemory(r.below(3));
        std::printf("memory: ");
        break;
    case 12:
        e.toggleAngleMode();
        std::printf("angle: ");
        break;
    case 13:
        if (r.below(8) == 0) {
            e.reset();
            std::printf("reset: ");
        } else {
            std::printf("nothing: ");
        }
        break;
    default:
        pasteNumber(e, r);
        break;
    }
}

uint64_t bits(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

void print(const CalcEngine& e) {
    std::printf("%s|%s|%s|%016" PRIx64 "|%016" PRIx64 "|%d|%d|%d|%d|%016" PRIx64 "|%016" PRIx64
                "|%016" PRIx64 "\n",
                e.decimalText().text(), e.hexText().text(), e.binaryText().text(), bits(e.value),
                bits(e.accumulator), e.intValue, e.pendingOp, e.angleMode, e.base,
                bits(e.memory[0]), bits(e.memory[1]), bits(e.memory[2]));
}

} // namespace

int main(int argc, char** argv) {
    const unsigned long sequences = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000;
    Random r{argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1};
    for (unsigned long n = 0; n < sequences; ++n) {
        std::printf("sequence %lu\n", n);
        CalcEngine e;
        for (unsigned steps = 1 + r.below(40); steps > 0; --steps) {
            step(e, r);
            print(e);
        }
    }
    return 0;
}
