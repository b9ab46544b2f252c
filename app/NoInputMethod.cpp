// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program runs without an X input method. The toolkit opens one at
// start-up; with no input method server that is Xlib's built-in one, which
// reads and parses the locale's whole Compose table (thousands of lines for a
// UTF-8 locale) before the window can appear, and keeps the result resident.
// The toolkit uses it only for the compose contexts of text widgets; the
// calculator has none and reads every key by its symbol, which the toolkit
// takes from XLookupString either way.
//
// These two definitions take the place of Xlib's in the program (not in the
// tests, which link the window without them). Without an input method the
// toolkit would register to be told when a server appears, and that would wake
// the calculator at every property change on the root window; declining the
// registration keeps it asleep.
#include <X11/Xlib.h>
#include <X11/Xresource.h>

extern "C" {

XIM XOpenIM(Display*, XrmDatabase, char*, char*) {
    return nullptr;
}

Bool XRegisterIMInstantiateCallback(Display*, XrmDatabase, char*, char*, XIDProc, XPointer) {
    return False;
}

} // extern "C"
