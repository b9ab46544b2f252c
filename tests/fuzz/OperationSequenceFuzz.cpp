// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the engine with arbitrary sequences of operations, the way clicks,
// keys and pastes reach it, and checks its rules after every step.
#include "EngineInvariants.h"

#include <cstddef>
#include <cstdint>

namespace {

// Hands out input bytes; past the end it gives zeros.
struct ByteSource {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    bool empty() const { return pos >= size; }
    uint8_t next() { return pos < size ? data[pos++] : 0; }
};

const FXint OPERATOR_CODES[] = {OP_NONE, OP_ADD, OP_SUB,    OP_MUL, OP_DIV, OP_MOD, OP_AND,
                                OP_OR,   OP_XOR, OP_EQUALS, 6,      9,      13,     -1};

void step(CalcEngine& e, ByteSource& in) {
    const uint8_t pick = in.next();
    const uint8_t arg = in.next();
    switch (pick % 10) {
    case 0:
        e.appendDigit(static_cast<char>(arg));
        break;
    case 1:
        e.deleteLast();
        break;
    case 2:
        e.applyOperator(OPERATOR_CODES[arg % (sizeof OPERATOR_CODES / sizeof(FXint))]);
        break;
    case 3:
        e.applyFunction(FN_ACOS - 3 + arg % 30);
        break; // reaches below and above the table
    case 4:
        e.setBase(arg < 250 ? arg % 5 : 0xFFFFFFFFu - (arg - 250));
        break; // 3, 4 and the highest codes are not bases
    case 5:
        e.storeMemory(arg % 5);
        break; // slots 3 and 4 do not exist
    case 6:
        e.recallMemory(arg % 5);
        break;
    case 7:
        e.toggleAngleMode();
        break;
    case 8:
        e.reset();
        break;
    case 9: {
        // A short paste: up to 15 bytes, zero bytes included.
        const size_t n = arg % 16;
        char buffer[16];
        for (size_t i = 0; i < n; ++i)
            buffer[i] = static_cast<char>(in.next());
        e.setValueFromText(FXString(buffer, static_cast<FXint>(n)));
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CalcEngine engine;
    checkInvariants(engine);
    ByteSource in{data, size};
    while (!in.empty()) {
        step(engine, in);
        checkInvariants(engine);
    }
    return 0;
}
