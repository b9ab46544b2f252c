// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copying a display's text to the system clipboard, answering other programs'
// requests for it, and pasting a number from the primary selection or the
// clipboard. A copy is offered under every name programs ask text by.
#include "AppWindow.h"

#include <climits>
#include <cstring>
#include <initializer_list>

using namespace FX;

namespace {

// The names a copy is offered under, the one paste asks for first leading.
// Programs ask by the X names, and Wayland compositors turn UTF8_STRING, TEXT
// and MIME names into the MIME types their own programs ask for (one offers
// nothing for STRING alone). The displays hold ASCII only, so every name gets
// the same bytes.
const char* const TEXT_TYPE_NAMES[AppWindow::TEXT_TYPES] = {
    "UTF8_STRING", "STRING", "TEXT", "text/plain;charset=utf-8", "text/plain",
};

} // namespace

void AppWindow::registerTextTypes() {
    for (FXint i = 0; i < TEXT_TYPES; i++)
        textTypes[i] = getApp()->registerDragType(TEXT_TYPE_NAMES[i]);
}

bool AppWindow::offersType(FXDragType type) const {
    for (FXDragType offered : textTypes)
        if (offered == type) return true;
    return false;
}

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
    if (!clipText.empty()) acquireClipboard(textTypes, TEXT_TYPES);
    return 1;
}

// Answers clipboard and selection requests alike with exactly the text: no
// terminator, since every reader adds its own and a browser would paste a
// zero byte as a character. A request for a type never offered is refused,
// as the toolkit does when no data is handed over.
long AppWindow::onClipboardRequest(FXObject*, FXSelector, void* ptr) {
    const FXEvent* event = static_cast<const FXEvent*>(ptr);
    if (!event || !offersType(event->target)) return 1;
    const FXint length = clipText.length();
    FXuchar* answer = nullptr;
    // Without memory there is nothing to hand over; the requester gets no data
    // and the calculator goes on.
    if (!fxmalloc(reinterpret_cast<void**>(&answer), length)) return 1;
    memcpy(answer, clipText.text(), length);
    // The toolkit takes the buffer over and frees it, and replies under the
    // type that was asked for.
    setDNDData(FROM_CLIPBOARD, event->target, answer, length);
    return 1;
}

// The text type to ask the owner of the selection or clipboard for: UTF-8
// text where offered, as some owners offer nothing else, else the plain
// string type; 0 when there is no owner, it does not answer, or it offers no
// text. Asking for the list first keeps an owner that never answers to one
// wait.
FXDragType AppWindow::pasteType(FXDNDOrigin origin) const {
    FXDragType* offered = nullptr;
    FXuint count = 0;
    if (!inquireDNDTypes(origin, offered, count)) return 0;
    FXDragType chosen = 0;
    for (FXuint i = 0; i < count; i++) {
        if (offered[i] == textTypes[0]) chosen = offered[i];
        if (offered[i] == clipType && !chosen) chosen = offered[i];
    }
    fxfree(reinterpret_cast<void**>(&offered));
    return chosen;
}

// The primary selection wins over the clipboard. Whatever bytes arrive, the
// value is read from the start of exactly those bytes.
void AppWindow::pasteValue() {
    FXuchar* data = nullptr;
    FXuint size = 0;
    bool received = false;
    for (FXDNDOrigin origin : {FROM_SELECTION, FROM_CLIPBOARD}) {
        const FXDragType type = pasteType(origin);
        if (type && getDNDData(origin, type, data, size)) {
            received = true;
            break;
        }
    }
    if (!received) return;
    // The string copies the bytes and adds the terminator the reading needs;
    // a transfer beyond the string's length range is read from its start.
    const FXint length = size > static_cast<FXuint>(INT_MAX) ? INT_MAX : static_cast<FXint>(size);
    engine.setValueFromText(FXString(reinterpret_cast<const FXchar*>(data), length));
    fxfree(reinterpret_cast<void**>(&data));
}
