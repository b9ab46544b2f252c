// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Usage: selection_owner SELECTION
 *
 * Prints the window that owns the named selection as the X server tells it,
 * 0x0 when nobody does. Asking is a round trip: the answer covers every
 * request the server took before. */
#include <X11/Xlib.h>
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: selection_owner SELECTION\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "selection_owner: cannot open the display\n");
        return 2;
    }
    printf("0x%lx\n", XGetSelectionOwner(display, XInternAtom(display, argv[1], False)));
    XCloseDisplay(display);
    return 0;
}
