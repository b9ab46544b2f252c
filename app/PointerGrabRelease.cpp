// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A pressed button grabs the pointer until its release. The toolkit grabs
// with the press's time and, when the X server refuses that time as stale,
// grabs again with the server's current time; it then releases with the
// release's time, which is earlier than that grab, so the server keeps the
// grab. That happens whenever the window falls behind its input (a busy
// machine, a stopped process): the grab stays, and the next click anywhere in
// the window goes to the button pressed last, such as a copy of the wrong
// display. The calculator only ever releases grabs it holds, so its releases
// take effect whatever time they carry.
//
// This definition takes the place of Xlib's in the program and hands the
// release on to Xlib with the current time.
#include <X11/Xlib.h>
#include <dlfcn.h>

extern "C" int XUngrabPointer(Display* display, Time) {
    using Release = int (*)(Display*, Time);
    static const Release release =
        reinterpret_cast<Release>(dlsym(RTLD_NEXT, "XUngrabPointer"));
    return release ? release(display, CurrentTime) : 0;
}
