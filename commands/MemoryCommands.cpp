// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three memory slots: "<" stores the current value, the MEM button recalls
// it and shows the amount last stored.
#include "AppWindow.h"

using namespace FX;

namespace {

const FXuint MEMORY_SLOTS = AppWindow::ID_RECALL_2 - AppWindow::ID_RECALL_0 + 1;

} // namespace

long AppWindow::onCmdRecall(FXObject*, FXSelector sel, void*) {
    const FXuint slot = FXSELID(sel) - ID_RECALL_0;
    if (slot < MEMORY_SLOTS) engine.recallMemory(slot);
    updateDisplays();
    return 1;
}

// The caption shows two decimals while the slot keeps the full double; storing
// changes no displayed value, so the displays are not rewritten.
long AppWindow::onCmdStore(FXObject*, FXSelector sel, void*) {
    const FXuint slot = FXSELID(sel) - ID_STORE_0;
    if (slot >= MEMORY_SLOTS) return 1;
    engine.storeMemory(slot);
    memoryButtons[slot]->setText(FXString().format("%.2f", engine.memory[slot]));
    return 1;
}
