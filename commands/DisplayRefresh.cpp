// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three displays: each shows the current value in its own base.
#include "AppWindow.h"

using namespace FX;

// Every label is rewritten whether or not its text changed, so no display can
// drift from the engine; the check marks, the angle label and the memory
// captions belong to their own commands.
void AppWindow::updateDisplays() {
    const FXString binary = engine.binaryText();
    const FXString hex = engine.hexText();
    const FXString decimal = engine.decimalText();
    displays[BASE_BINARY]->setText(binary);
    displays[BASE_HEXADECIMAL]->setText(hex);
    displays[BASE_DECIMAL]->setText(decimal);
}
