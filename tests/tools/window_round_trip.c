// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Usage: window_round_trip WINDOW [SECONDS]
 *
 * Sends the window a _NET_WM_PING and waits for the program to answer it.
 * The X server hands a client its events in the order it queued them, and
 * the program answers the ping only when its event loop reaches it, so once
 * the answer is here the program has handled every click and key that the
 * server took before the ping. A second ping follows the answer: the toolkit
 * paints when its queue runs empty, after answering, so the second answer
 * also means that what the first covered is on the screen. Exits 0 on both
 * answers, 1 when one does not come within the time (default 20 s) and 2
 * when the window does not take pings. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static int takes_pings(Display* display, Window window, Atom ping) {
    Atom* list = NULL;
    int count = 0;
    int found = 0;
    if (XGetWMProtocols(display, window, &list, &count)) {
        for (int i = 0; i < count; ++i) found |= list[i] == ping;
        XFree(list);
    }
    return found;
}

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

/* Sends one ping and waits until the deadline for its answer, which comes to
 * the root window, as to a window manager. */
static int answered(Display* display, Window window, Atom protocols, Atom ping, long token,
                    double deadline) {
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)ping;
    event.xclient.data.l[1] = token;
    event.xclient.data.l[2] = (long)window;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    for (;;) {
        while (XPending(display)) {
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                (Atom)event.xclient.data.l[0] == ping && event.xclient.data.l[1] == token &&
                (Window)event.xclient.data.l[2] == window)
                return 1;
        }
        double left = deadline - now();
        if (left <= 0) return 0;
        struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, (int)(left * 1000) + 1);
    }
}

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: window_round_trip WINDOW [SECONDS]\n");
        return 2;
    }
    Window window = (Window)strtoul(argv[1], NULL, 0);
    double limit = argc == 3 ? atof(argv[2]) : 20.0;
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "window_round_trip: cannot open the display\n");
        return 2;
    }
    Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    if (!takes_pings(display, window, ping)) {
        fprintf(stderr, "window_round_trip: window 0x%lx does not take _NET_WM_PING\n", window);
        XCloseDisplay(display);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    double deadline = now() + limit;
    for (long round = 0; round < 2; ++round) {
        /* A token of our own tells our answers from any other ping's. */
        if (!answered(display, window, protocols, ping, ((long)getpid() << 1) | round,
                      deadline)) {
            fprintf(stderr, "window_round_trip: window 0x%lx did not answer within %g s\n",
                    window, limit);
            XCloseDisplay(display);
            return 1;
        }
    }
    XCloseDisplay(display);
    return 0;
}
