// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The state record itself: construction, reset, the integer conversion, the
// result step, base changes, memories, the angle mode and reading a pasted text.
#include "CalcEngine.h"
#include "NumberReader.h"

#include <cmath>

CalcEngine::CalcEngine() : accumulator(0), intValue(0), value(0), pendingOp(OP_NONE), angleMode(0) {
    // The separator is whatever "%f" writes, so typed and computed texts agree.
    FXString sample;
    sample.format("%f", 0.12);
    decimalPoint = sample[1];
    base = BASE_DECIMAL;
    text = "0";
    textEntry = false;
    clearMemories();
}

void CalcEngine::reset() {
    accumulator = 0;
    intValue = 0;
    value = 0;
    pendingOp = OP_NONE;
    textEntry = false;
    text = "0";
}

void CalcEngine::clearMemories() {
    for (double& slot : memory)
        slot = 0;
}

FXint CalcEngine::truncateToInt(double v) {
    // NaN, infinities and anything outside the 32-bit range have no integer
    // conversion in the language, so they are caught before converting.
    if (!(v > -2147483649.0 && v < 2147483648.0)) return -2147483647 - 1;
    return static_cast<FXint>(v);
}

bool CalcEngine::isIntegral(double v) {
    // NaN would otherwise show as -2147483648 on the decimal display.
    if (std::isnan(v)) return false;
    return static_cast<double>(truncateToInt(v)) == v;
}

void CalcEngine::syncFromValue() {
    intValue = truncateToInt(value);
    if (base != BASE_DECIMAL) return;
    textEntry = !isIntegral(value);
    if (textEntry) text.format("%f", value);
}

void CalcEngine::setBase(FXuint newBase) {
    // Only a real change of base does anything: the same base again would drop
    // a typed fraction while keeping its text.
    if (static_cast<FXint>(newBase) == base) return;
    if (newBase == BASE_BINARY || newBase == BASE_HEXADECIMAL) {
        // Leaving decimal base drops the typed text and the fraction with it;
        // between binary and hexadecimal the fraction stays in value. A text
        // still typed means the way from decimal led through a code that is
        // no base.
        if (base == BASE_DECIMAL || textEntry) {
            textEntry = false;
            value = intValue;
        }
    } else if (newBase == BASE_DECIMAL) {
        // The display shows the integer, so a text typed before a detour
        // through a code that is no base goes with the fraction.
        textEntry = false;
        value = intValue;
    }
    // Any other code is kept as the base: no digit is taken in it and
    // deleting does nothing, until a real base is set.
    base = static_cast<FXint>(newBase);
}

void CalcEngine::storeMemory(FXuint slot) {
    if (slot >= 3) return;
    // Outside decimal base the slot receives the integer that is shown.
    memory[slot] = (base == BASE_DECIMAL) ? value : static_cast<double>(intValue);
}

void CalcEngine::recallMemory(FXuint slot) {
    if (slot >= 3) return;
    value = memory[slot];
    syncFromValue();
}

void CalcEngine::toggleAngleMode() {
    angleMode = 1 - angleMode;
}

bool CalcEngine::setValueFromText(const FXString& source) {
    double number;
    if (readDecimalNumber(source.text(), number) == 0) return false;
    value = number;
    syncFromValue();
    return true;
}
