// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Usage: silent_selection_owner [SELECTION...]
 *
 * Takes ownership of the named selections (the primary selection and the
 * clipboard when none are named) and then never answers a request for them:
 * a peer that hangs, for testing that a paste from it cannot freeze the
 * calculator, or a clipboard manager that never answers (CLIPBOARD_MANAGER).
 * Prints "ready" once it owns them all, then "request SELECTION TARGET" for
 * every request it drops. Each line on its standard input is answered with
 * "synced" after a round trip to the server, so every request the server
 * took before the line was written is printed above that answer. Runs until
 * it is killed. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <stdio.h>
#include <unistd.h>

static void print_request(Display* display, const XSelectionRequestEvent* request) {
    char* selection = XGetAtomName(display, request->selection);
    char* target = XGetAtomName(display, request->target);
    printf("request %s %s\n", selection ? selection : "?", target ? target : "?");
    fflush(stdout);
    if (selection) XFree(selection);
    if (target) XFree(target);
}

/* Requests are read and dropped unanswered. */
static void drop_queued(Display* display) {
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == SelectionRequest) print_request(display, &event.xselectionrequest);
    }
}

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "silent_selection_owner: cannot open the display\n");
        return 1;
    }
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    Atom selections[16] = {XA_PRIMARY, XInternAtom(display, "CLIPBOARD", False)};
    int count = 2;
    if (argc > 1) {
        for (count = 0; count + 1 < argc && count < 16; ++count)
            selections[count] = XInternAtom(display, argv[count + 1], False);
    }
    for (int i = 0; i < count; ++i) {
        XSetSelectionOwner(display, selections[i], window, CurrentTime);
        if (XGetSelectionOwner(display, selections[i]) != window) {
            fprintf(stderr, "silent_selection_owner: could not own the selections\n");
            return 1;
        }
    }
    printf("ready\n");
    fflush(stdout);
    struct pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        drop_queued(display);
        poll(fds, 2, -1);
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            char line[256];
            if (!fgets(line, sizeof line, stdin)) {
                fds[1].fd = -1; /* no more questions: only drop requests */
                continue;
            }
            XSync(display, False);
            drop_queued(display);
            printf("synced\n");
            fflush(stdout);
        }
    }
}
