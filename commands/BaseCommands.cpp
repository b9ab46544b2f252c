// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the entry base by clicking a display. The three displays are not a
// toolkit radio group, so this handler keeps exactly one of them checked.
#include "AppWindow.h"

using namespace FX;

long AppWindow::onCmdBase(FXObject*, FXSelector sel, void*) {
    const FXuint base = FXSELID(sel) - ID_BINARY;
    if (base > BASE_DECIMAL || static_cast<FXint>(base) == engine.base) return 1;
    // The clicked display has already checked itself.
    for (FXuint i = 0; i < 3; i++)
        if (i != base) displays[i]->setCheck(FALSE);
    engine.setBase(base);
    updateDisplays();
    return 1;
}
