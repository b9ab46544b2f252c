// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Takes ownership of the primary selection and the clipboard and then never
 * answers a request for them: a peer that hangs, for testing that a paste
 * from it cannot freeze the calculator. Prints "ready" once it owns both, and
 * runs until it is killed. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "silent_selection_owner: cannot open the display\n");
        return 1;
    }
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    XSetSelectionOwner(display, XA_PRIMARY, window, CurrentTime);
    XSetSelectionOwner(display, clipboard, window, CurrentTime);
    if (XGetSelectionOwner(display, XA_PRIMARY) != window ||
        XGetSelectionOwner(display, clipboard) != window) {
        fprintf(stderr, "silent_selection_owner: could not own the selections\n");
        return 1;
    }
    printf("ready\n");
    fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event); /* requests are read and dropped unanswered */
    }
}
