// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a decimal number from the start of a text, with a grammar stricter
// than the C library's: no hexadecimal floats and no names of infinity or NaN.
#pragma once

#include <cmath>
#include <fxver.h>
#include <fxdefs.h>

// Reads the number at the start of text (zero-terminated). Returns how many
// characters it took; 0 when the text does not begin with a number, and then
// number is 0. A magnitude beyond the double range reads as an infinity.
FX::FXint readDecimalNumber(const FX::FXchar* text, double& number);
