// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copying a display's text to the system clipboard, answering other programs'
// requests for it, and pasting a number from the primary selection or the
// clipboard. Every transfer uses the toolkit's plain string type.
#include "AppWindow.h"

#include <climits>
#include <cstring>

using namespace FX;

// The text is a snapshot: requests that come long after the click still get
// what the display showed then.
long AppWindow::onCmdCopy(FXObject*, FXSelector sel, void*) {
    switch (FXSELID(sel)) {
    case ID_COPY_BIN:
        clipText = engine.binaryText();
        break;
    case ID_COPY_HEX:
        clipText = engine.hexText();
        break;
    case ID_COPY_DEC:
        clipText = engine.decimalText();
        break;
    default:
        return 1;
    }
    if (!clipText.empty()) acquireClipboard(&clipType, 1);
    return 1;
}

// Answers clipboard and selection requests alike with the text and one zero
// byte, whatever type was asked for: it is the only type ever offered.
long AppWindow::onClipboardRequest(FXObject*, FXSelector, void*) {
    const FXint length = clipText.length();
    FXuchar* answer = nullptr;
    // Without memory there is nothing to hand over; the requester gets no data
    // and the calculator goes on.
    if (!fxmalloc(reinterpret_cast<void**>(&answer), length + 1)) return 1;
    memcpy(answer, clipText.text(), length);
    answer[length] = '\0';
    // The toolkit takes the buffer over and frees it.
    setDNDData(FROM_CLIPBOARD, clipType, answer, length + 1);
    return 1;
}

// The primary selection wins over the clipboard. Whatever bytes arrive, the
// value is read from the start of exactly those bytes.
void AppWindow::pasteValue() {
    FXuchar* data = nullptr;
    FXuint size = 0;
    if (!getDNDData(FROM_SELECTION, clipType, data, size) &&
        !getDNDData(FROM_CLIPBOARD, clipType, data, size))
        return;
    // The string copies the bytes and adds the terminator the reading needs;
    // a transfer beyond the string's length range is read from its start.
    const FXint length = size > static_cast<FXuint>(INT_MAX) ? INT_MAX : static_cast<FXint>(size);
    engine.setValueFromText(FXString(reinterpret_cast<const FXchar*>(data), length));
    fxfree(reinterpret_cast<void**>(&data));
}
