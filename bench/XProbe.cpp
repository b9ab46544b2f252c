// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measuring one start of one program under X.
#include "XProbe.h"

#include "ProcStats.h"
#include "Statistics.h"

#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <glob.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// A window of a program that has just ended makes later requests on it fail;
// that is expected and harmless here.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// Context switches of every thread of the process, so that a helper thread a
// library starts is counted too.
long processWakeups(int pid) {
    glob_t tasks;
    std::string pattern = "/proc/" + std::to_string(pid) + "/task/*/status";
    if (glob(pattern.c_str(), 0, nullptr, &tasks) != 0) return -1;
    long sum = 0;
    for (std::size_t i = 0; i < tasks.gl_pathc && sum >= 0; ++i) {
        long switches = contextSwitches(readProcFile(tasks.gl_pathv[i]));
        sum = switches < 0 ? -1 : sum + switches;
    }
    globfree(&tasks);
    return sum;
}

double presentOrMissing(long value) {
    return value < 0 ? missing() : double(value);
}

} // namespace

bool XProbe::open(std::string& error) {
    display = XOpenDisplay(nullptr);
    if (!display) {
        error = "cannot open the display";
        return false;
    }
    // The measured programs must not inherit the probe's connection.
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(ignoreXError);
    int damageErrorBase, major, minor, xtestEvent, xtestError;
    if (!XDamageQueryExtension(display, &damageEventBase, &damageErrorBase) ||
        !XDamageQueryVersion(display, &major, &minor)) {
        error = "the X server has no DAMAGE extension";
        return false;
    }
    if (!XTestQueryExtension(display, &xtestEvent, &xtestError, &major, &minor)) {
        error = "the X server has no XTEST extension";
        return false;
    }
    root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);
    return true;
}

XProbe::~XProbe() {
    if (display) XCloseDisplay(display);
}

template <class Accept> bool XProbe::waitForEvent(Accept accept, double deadline) {
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (accept(event)) return true;
        }
        double left = deadline - nowMs();
        if (left <= 0) return false;
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1; // ended on its own: nothing more will come
            return false;
        }
        // Short slices, so that a program that dies is noticed.
        pollfd socket = {ConnectionNumber(display), POLLIN, 0};
        poll(&socket, 1, left < 100 ? int(left) + 1 : 100);
    }
}

bool XProbe::waitForDamage(double deadline) {
    return waitForEvent(
        [this](const XEvent& event) {
            return event.type == damageEventBase + XDamageNotify &&
                   reinterpret_cast<const XDamageNotifyEvent&>(event).damage == damage;
        },
        deadline);
}

bool XProbe::waitUntilQuiet(double quietMs, double capMs) {
    double cap = nowMs() + capMs;
    while (nowMs() < cap) {
        XDamageSubtract(display, damage, None, None);
        if (!waitForDamage(nowMs() + quietMs)) return pid > 0;
    }
    return false;
}

double XProbe::timeKeyToRepaint(int index) {
    // Digits 1 to 9 in turn: each one changes what every measured program shows.
    KeyCode key = XKeysymToKeycode(display, XK_1 + index % 9);
    XDamageSubtract(display, damage, None, None);
    XSync(display, False);
    while (XPending(display)) { // damage reported before the subtraction
        XEvent stale;
        XNextEvent(display, &stale);
    }
    double start = nowMs();
    XTestFakeKeyEvent(display, key, True, CurrentTime);
    XFlush(display);
    bool repainted = waitForDamage(start + 1000);
    double elapsed = nowMs() - start;
    XTestFakeKeyEvent(display, key, False, CurrentTime);
    XFlush(display);
    waitUntilQuiet(100, 2000);
    return repainted ? elapsed : missing();
}

Window XProbe::start(const std::vector<std::string>& command, double& mapMs, std::string& problem) {
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    XSync(display, True); // forget what earlier programs left behind
    double started = nowMs();
    pid_t child;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        problem = "cannot start " + command[0];
        return 0;
    }
    pid = child;
    Window window = 0;
    bool mapped = waitForEvent(
        [&](const XEvent& event) {
            if (event.type != MapNotify || event.xmap.event != root || event.xmap.override_redirect)
                return false;
            window = event.xmap.window;
            return true;
        },
        started + 10000);
    if (!mapped) {
        problem = "no window was mapped";
        end(0);
        return 0;
    }
    mapMs = nowMs() - started;
    return window;
}

Reading XProbe::measure(const std::vector<std::string>& command, int keys, double idleSeconds) {
    Reading reading = {missing(), missing(), missing(), missing(), missing(), ""};
    Window window = start(command, reading.mapMs, reading.problem);
    if (!window) return reading;
    const pid_t child = pid;

    // Without a window manager nobody else gives the new window the keyboard.
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    if (!waitUntilQuiet(300, 5000)) {
        reading.problem = "the window never stopped repainting";
        end(window);
        return reading;
    }

    std::vector<double> keyTimes;
    for (int i = 0; i < keys && pid > 0; ++i)
        keyTimes.push_back(timeKeyToRepaint(i));
    reading.keyMs = median(keyTimes);
    if (isMissing(reading.keyMs)) reading.problem = "no key press was repainted";

    std::string proc = "/proc/" + std::to_string(child);
    long ticksBefore = cpuTicks(readProcFile(proc + "/stat"));
    long wakeupsBefore = processWakeups(child);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    long ticksAfter = cpuTicks(readProcFile(proc + "/stat"));
    long wakeupsAfter = processWakeups(child);
    if (pid > 0 && ticksBefore >= 0 && ticksAfter >= 0 && wakeupsBefore >= 0 && wakeupsAfter >= 0) {
        reading.idleTicks = double(ticksAfter - ticksBefore);
        reading.idleWakeups = double(wakeupsAfter - wakeupsBefore);
    }
    reading.peakMiB = presentOrMissing(peakResidentKiB(readProcFile(proc + "/status")));
    if (!isMissing(reading.peakMiB)) reading.peakMiB /= 1024;
    if (pid <= 0) reading.problem = "the program ended by itself";
    end(window);
    return reading;
}

Window XProbe::decimalCopyButton(Window window) {
    auto children = [this](Window parent) {
        Window rootReturn, parentReturn, *list = nullptr;
        unsigned count = 0;
        std::vector<Window> found;
        if (XQueryTree(display, parent, &rootReturn, &parentReturn, &list, &count) && list) {
            found.assign(list, list + count);
            XFree(list);
        }
        std::sort(found.begin(), found.end()); // ids grow in the order of creation
        return found;
    };
    std::vector<Window> frame = children(window);
    if (frame.empty()) return 0;
    std::vector<Window> parts = children(frame[0]);
    if (parts.size() != 2) return 0;
    // The display block: three recall, three store, three display and three
    // copy cells.
    std::vector<Window> cells = children(parts[0]);
    return cells.size() >= 12 ? cells[11] : 0;
}

double XProbe::timeQuit(const std::vector<std::string>& command, std::string& problem) {
    if (!clipboardHolder) clipboardHolder = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    double mapMs;
    Window window = start(command, mapMs, problem);
    if (!window) return missing();
    Window button = decimalCopyButton(window);
    XWindowAttributes shape;
    int x = 0, y = 0;
    Window child;
    if (!button || !XGetWindowAttributes(display, button, &shape) ||
        !XTranslateCoordinates(display, button, root, shape.width / 2, shape.height / 2, &x, &y,
                               &child)) {
        problem = "no copy button";
        end(window);
        return missing();
    }
    // The probe holds the clipboard, so the copy shows as the probe losing it.
    XSetSelectionOwner(display, clipboard, clipboardHolder, CurrentTime);
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
    if (!waitForEvent(
            [this](const XEvent& event) {
                return event.type == SelectionClear &&
                       event.xselectionclear.window == clipboardHolder;
            },
            nowMs() + 5000)) {
        problem = "the click did not copy";
        end(window);
        return missing();
    }
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    KeyCode escape = XKeysymToKeycode(display, XK_Escape);
    XTestFakeKeyEvent(display, escape, True, CurrentTime);
    XFlush(display);
    const double pressed = nowMs();
    const double deadline = pressed + 10000;
    while (waitpid(pid, nullptr, WNOHANG) == 0 && nowMs() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const double quitMs = nowMs() - pressed;
    XTestFakeKeyEvent(display, escape, False, CurrentTime);
    XFlush(display);
    if (quitMs >= 10000) {
        problem = "Escape did not end the program";
        end(window);
        return missing();
    }
    pid = -1;
    end(window);
    return quitMs;
}

bool XProbe::waitForSelectionOwner(const char* selection, double seconds) {
    const Atom atom = XInternAtom(display, selection, False);
    const double deadline = nowMs() + seconds * 1000;
    while (XGetSelectionOwner(display, atom) == None) {
        if (nowMs() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void XProbe::end(Window window) {
    if (damage) XDamageDestroy(display, damage);
    damage = 0;
    XSync(display, False);
    if (pid > 0) {
        kill(pid, SIGTERM);
        double deadline = nowMs() + 2000;
        while (waitpid(pid, nullptr, WNOHANG) == 0) {
            if (nowMs() > deadline) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    pid = -1;
    // The next program starts on an empty screen once the server has let go of
    // this one's window.
    if (window)
        waitForEvent(
            [window](const XEvent& event) {
                return event.type == DestroyNotify && event.xdestroywindow.window == window;
            },
            nowMs() + 2000);
}
