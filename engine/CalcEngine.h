// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator state record and its operations: number entry, the chain of
// binary operators, the unary functions, memories and the texts of the value.
#pragma once

#include <cmath> // before the toolkit headers, whose macros clash with it
#include <cstdarg>
#include <fxver.h>
#include <fxdefs.h>
#include <FXString.h>

using FX::FXchar;
using FX::FXint;
using FX::FXString;
using FX::FXuint;

// Binary operator codes; the gap between 5 and 10 is deliberate.
enum OpCode {
    OP_NONE = 0,
    OP_ADD = 1,
    OP_SUB = 2,
    OP_MUL = 3,
    OP_DIV = 4,
    OP_MOD = 5,
    OP_AND = 10,
    OP_OR = 11,
    OP_XOR = 12,
    OP_EQUALS = 100
};

// Unary function codes: 1000-1019 follow the function pad in button order,
// 1020 is the sign change and 1021-1022 the shifts.
enum FunctionCode {
    FN_ACOS = 1000,
    FN_COS = 1001,
    FN_ANGLE = 1002,
    FN_FACTORIAL = 1003,
    FN_ASIN = 1004,
    FN_SIN = 1005,
    FN_TO_RAD = 1006,
    FN_SQRT = 1007,
    FN_ATAN = 1008,
    FN_TAN = 1009,
    FN_TO_DEG = 1010,
    FN_SQUARE = 1011,
    FN_LN = 1012,
    FN_EXP = 1013,
    FN_TO_EURO = 1014,
    FN_POW10 = 1015,
    FN_LOG10 = 1016,
    FN_PI = 1017,
    FN_TO_FRANC = 1018,
    FN_INVERSE = 1019,
    FN_NEGATE = 1020,
    FN_SHIFT_LEFT = 1021,
    FN_SHIFT_RIGHT = 1022
};

// Angle conversion factors, computed once at start-up from the same double pi.
extern const double degToRad;
extern const double radToDeg;

// Base codes, shared with the window: they index its three displays.
enum { BASE_BINARY = 0, BASE_HEXADECIMAL = 1, BASE_DECIMAL = 2 };

class CalcEngine {
public:
    double accumulator;  // left operand and running result of the operator chain
    FXint intValue;      // the current value as a 32-bit integer, always truncateToInt(value)
    double value;        // the current value
    FXint pendingOp;     // OpCode waiting for its right operand, never OP_EQUALS
    FXint angleMode;     // 0 radians, 1 degrees
    FXchar decimalPoint; // separator written into the decimal text
    bool textEntry;      // the decimal display shows text instead of intValue
    FXint base;          // entry base: 0 binary, 1 hexadecimal, 2 decimal
    FXString text;       // decimal text buffer, meaningful while textEntry is set
    double memory[3];    // memory slots 0, 1, 2

    CalcEngine();

    void reset();
    void clearMemories();
    void setBase(FXuint newBase);
    void storeMemory(FXuint slot);
    void recallMemory(FXuint slot);
    void toggleAngleMode();

    bool appendDigit(char c);
    bool deleteLast();
    void applyOperator(FXint code);
    void applyFunction(FXint code);

    FXString binaryText() const;
    FXString hexText() const;
    FXString decimalText() const;

    bool setValueFromText(const FXString& source);
    void syncFromValue();

    static FXint truncateToInt(double v);
    static bool isIntegral(double v);
};
