// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Usage: keyboard_grab
 *
 * Takes the keyboard for a moment and gives it back, as a screen reader does
 * for a key of its own commands: the focused window loses the focus for the
 * grab (FocusOut, NotifyGrab) and gets it back after (FocusIn, NotifyUngrab). */
#include <X11/Xlib.h>
#include <stdio.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "keyboard_grab: cannot open the display\n");
        return 2;
    }
    int status = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                               GrabModeAsync, CurrentTime);
    XSync(display, False);
    XUngrabKeyboard(display, CurrentTime);
    XCloseDisplay(display); /* sends the release */
    if (status != GrabSuccess) {
        fprintf(stderr, "keyboard_grab: the keyboard was not taken (%d)\n", status);
        return 1;
    }
    return 0;
}
