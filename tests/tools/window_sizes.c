// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Usage: window_sizes WINDOW
 *
 * Prints "ready" once it listens to the window's structure, then one line
 * "WIDTHxHEIGHT" for every size change the X server reports for it, until
 * the window goes or the tool is ended. Output is flushed line by line, so a
 * reader sees each size as the server reported it. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: window_sizes WINDOW\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "window_sizes: cannot open the display\n");
        return 2;
    }
    Window window = (Window)strtoul(argv[1], NULL, 0);
    XSelectInput(display, window, StructureNotifyMask);
    /* Once the server has taken the selection, no change goes unreported. */
    XSync(display, False);
    setvbuf(stdout, NULL, _IOLBF, 0);
    printf("ready\n");
    int width = -1;
    int height = -1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == DestroyNotify) break;
        if (event.type != ConfigureNotify) continue;
        /* A move alone, or a restack, is not a new size. */
        if (event.xconfigure.width == width && event.xconfigure.height == height) continue;
        width = event.xconfigure.width;
        height = event.xconfigure.height;
        printf("%dx%d\n", width, height);
    }
    XCloseDisplay(display);
    return 0;
}
