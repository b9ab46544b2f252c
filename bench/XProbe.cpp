// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measuring one start of one program under X.
#include "XProbe.h"

#include "BusConnections.h"
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

// How long a program may take to join the accessibility bus after its window
// is mapped before its round is reported as not joined.
const double JOIN_BOUND_MS = 10000;

std::vector<std::string> inheritedEnvironment() {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry)
        entries.push_back(*entry);
    return entries;
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

Window XProbe::start(const Command& command, double& mapMs, std::string& problem) {
    std::vector<char*> argv;
    for (const std::string& word : command.argv)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    // Built before the clock starts, so that only the program's start is timed.
    std::vector<std::string> entries = environmentWith(inheritedEnvironment(), command.assignments);
    std::vector<char*> envp;
    for (const std::string& entry : entries)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);

    XSync(display, True); // forget what earlier programs left behind
    double started = nowMs();
    pid_t child;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) {
        problem = "cannot start " + command.argv[0];
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

Reading XProbe::measure(const Command& command, const Probing& probing) {
    Reading reading = {missing(), missing(), missing(), missing(), missing(),
                       missing(), missing(), missing(), ""};
    Window window = start(command, reading.mapMs, reading.problem);
    if (!window) return reading;
    const double mappedAt = nowMs();
    const pid_t child = pid;

    // Without a window manager nobody else gives the new window the keyboard.
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    // The join is watched for from the mapping on, so that its time is not
    // that of the wait for a quiet window; what joining draws or sends follows
    // it, and the keys wait until the window is quiet after both.
    bool joined = true;
    if (!probing.accessibilityBus.empty()) {
        reading.joinMs = timeJoin(probing.accessibilityBus, mappedAt, reading.problem);
        joined = !isMissing(reading.joinMs);
    }
    if (!waitUntilQuiet(300, 5000)) {
        reading.problem = "the window never stopped repainting";
        end(window);
        return reading;
    }

    std::vector<double> keyTimes;
    for (int i = 0; joined && i < probing.keys && pid > 0; ++i)
        keyTimes.push_back(timeKeyToRepaint(i));
    reading.keyMs = median(keyTimes);
    if (joined && isMissing(reading.keyMs)) reading.problem = "no key press was repainted";

    std::string proc = "/proc/" + std::to_string(child);
    long ticksBefore = cpuTicks(readProcFile(proc + "/stat"));
    long wakeupsBefore = processWakeups(child);
    std::this_thread::sleep_for(std::chrono::duration<double>(probing.idleSeconds));
    long ticksAfter = cpuTicks(readProcFile(proc + "/stat"));
    long wakeupsAfter = processWakeups(child);
    if (pid > 0 && ticksBefore >= 0 && ticksAfter >= 0 && wakeupsBefore >= 0 && wakeupsAfter >= 0) {
        reading.idleTicks = double(ticksAfter - ticksBefore);
        reading.idleWakeups = double(wakeupsAfter - wakeupsBefore);
    }
    if (joined && pid > 0) reading.motionCpuMs = motionCpuMs(window, probing.motions);
    // Both memory readings at this one moment, the end of the round.
    reading.peakMiB = presentOrMissing(peakResidentKiB(readProcFile(proc + "/status")));
    reading.pssMiB = presentOrMissing(proportionalSetKiB(readProcFile(proc + "/smaps_rollup")));
    if (!isMissing(reading.peakMiB)) reading.peakMiB /= 1024;
    if (!isMissing(reading.pssMiB)) reading.pssMiB /= 1024;
    if (pid <= 0) reading.problem = "the program ended by itself";
    end(window);
    return reading;
}

double XProbe::timeJoin(const std::string& address, double mappedAt, std::string& problem) {
    BusConnections bus;
    if (!bus.open(address, problem)) return missing();
    while (pid > 0 && nowMs() - mappedAt < JOIN_BOUND_MS) {
        if (bus.hasConnectionOf(pid)) return nowMs() - mappedAt;
        if (waitpid(pid, nullptr, WNOHANG) == pid) pid = -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    problem = "not joined to the accessibility bus";
    return missing();
}

double XProbe::motionCpuMs(Window window, int motions) {
    XWindowAttributes shape;
    int left = 0, top = 0;
    Window child;
    if (!XGetWindowAttributes(display, window, &shape) ||
        !XTranslateCoordinates(display, window, root, 0, 0, &left, &top, &child))
        return missing();
    // Ten rows, walked to the right and back to the left in turn: the pointer
    // enters and leaves every button of a window shaped like the calculator's.
    const int rows = 10, perRow = std::max(1, motions / rows);
    auto moveTo = [&](int i) {
        int row = i / perRow % rows, column = i % perRow;
        if (row % 2) column = perRow - 1 - column;
        XTestFakeMotionEvent(display, -1, left + (2 * column + 1) * shape.width / (2 * perRow),
                             top + (2 * row + 1) * shape.height / (2 * rows), CurrentTime);
        XSync(display, False); // one motion at a time, as a hand moves the pointer
    };
    moveTo(0); // entering the window is not one of the motions
    waitUntilQuiet(100, 2000);
    const std::string stat = "/proc/" + std::to_string(pid) + "/stat";
    const long before = cpuTicks(readProcFile(stat));
    for (int i = 1; i <= motions; ++i)
        moveTo(i);
    waitUntilQuiet(100, 2000);
    const long after = cpuTicks(readProcFile(stat));
    // Out of the way of the next program's window.
    Screen* screen = DefaultScreenOfDisplay(display);
    XTestFakeMotionEvent(display, -1, WidthOfScreen(screen) - 1, HeightOfScreen(screen) - 1,
                         CurrentTime);
    XSync(display, False);
    if (pid <= 0 || before < 0 || after < 0) return missing();
    return double(after - before) * 1000 / double(sysconf(_SC_CLK_TCK));
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

double XProbe::timeQuit(const Command& command, std::string& problem) {
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
