// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A click belongs to the widget it lands on, however far the window has
// fallen behind its input.
//
// The toolkit grabs the pointer for a widget when it handles a press on it,
// and lets go when it handles the release. When the window is behind its
// input (a busy machine, a stopped process, fast clicking), it handles the
// press after the button has already come up: the grab then starts late and
// lasts until the toolkit reaches the queued release, and every press and
// release the X server takes in between goes to the grabbing widget. A click
// on "..." or on a copy button then works the button pressed before, or
// nothing. If the server refuses the press's time as stale, the toolkit grabs
// again with the current time, so even an idle window can be left holding a
// grab that its release (earlier than that grab) does not end.
//
// The server itself holds the pointer for the pressed window from the press
// to the release of its buttons, whatever the program is doing, and that is
// all the calculator's buttons need: the release comes back to the pressed
// widget, and so do the pointer's movements and crossings in between, which
// tell the widget whether the release is still over it. So the program takes
// no pointer grab of its own. The toolkit only grabs on a button press, and
// it is told that the grab succeeded, so it still sends the press's movements
// and release to the pressed widget; its releases end nothing, so they cannot
// end the server's hold for a later press either.
//
// These definitions take the place of Xlib's in the program (not in the
// tests, which link the window without them).
#include <X11/Xlib.h>

extern "C" {

int XGrabPointer(Display*, Window, Bool, unsigned int, int, int, Window, Cursor, Time) {
    return GrabSuccess;
}

int XUngrabPointer(Display*, Time) {
    return 1;
}

} // extern "C"
