// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a pasted number and compares the engine with a
// plain, separately written reading of the same decimal grammar.
#include "EngineInvariants.h"
#include "NumberReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// The grammar written out as a character-by-character walk: white space, a
// sign, digits with at most one point (at least one digit), an exponent with
// at least one digit. Returns the accepted number text without the white
// space, and sets length to the characters consumed (0 when none).
std::string oracleRead(const std::string& s, size_t& length) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r')))
        ++i;
    const size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            ++digits;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0) {
        length = 0;
        return "";
    }
    size_t end = i; // a point right after the digits still belongs to the number
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            ++j, ++expDigits;
        if (expDigits > 0) end = j;
    }
    length = end;
    return s.substr(start, end - start);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The engine sees the text up to its first zero byte, as a C string would.
    const std::string text = bytes.substr(0, bytes.find('\0'));

    size_t expectedLength = 0;
    const std::string accepted = oracleRead(text, expectedLength);
    const double expected = expectedLength ? std::strtod(accepted.c_str(), nullptr) : 0;

    double number = -1;
    const FXint consumed = readDecimalNumber(text.c_str(), number);
    requireThat(static_cast<size_t>(consumed) == expectedLength, "reader consumes the grammar");
    requireThat(std::memcmp(&number, &expected, sizeof number) == 0, "reader value");

    CalcEngine engine;
    engine.appendDigit('7');
    const CalcEngine before = engine;
    const bool read = engine.setValueFromText(FXString(bytes.data(), static_cast<FXint>(size)));
    requireThat(read == (expectedLength > 0), "paste accepts exactly numbers");
    if (read) {
        requireThat(std::memcmp(&engine.value, &expected, sizeof expected) == 0, "paste value");
    } else {
        requireThat(engine.value == before.value && engine.intValue == before.intValue &&
                        engine.text == before.text && engine.textEntry == before.textEntry,
                    "refused paste changes nothing");
    }
    checkInvariants(engine);
    return 0;
}
