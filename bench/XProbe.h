// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The X side of the benchmark: starts a program, watches the root window for
// its top-level window to be mapped, types digit keys through XTEST and times
// each until the DAMAGE extension reports the window's first repaint, then
// leaves the program alone and counts what it spends, and last moves the
// pointer across the window and counts what that costs.
#pragma once

#include "Command.h"

#include <X11/Xlib.h>

#include <string>
#include <vector>

// What one start of one program showed; NaN for a reading that could not be
// taken, with the reason in problem.
struct Reading {
    double mapMs;
    double peakMiB;
    double pssMiB;
    double keyMs;
    double idleTicks;
    double idleWakeups;
    double motionCpuMs;
    double joinMs; // window mapped to joined the accessibility bus
    std::string problem;
};

// How one program is measured.
struct Probing {
    int keys;
    double idleSeconds;
    int motions;
    // The accessibility bus the program joins after its first drawing, or
    // empty: keys and motions are measured once it has joined.
    std::string accessibilityBus;
};

class XProbe {
public:
    // Opens the display named by DISPLAY; error says why when it returns false.
    bool open(std::string& error);
    ~XProbe();

    // Starts command, takes every reading and ends the program again.
    Reading measure(const Command& command, const Probing& probing);

    // Starts the calculator, copies its decimal display with a click on that
    // row's ">" button, presses Escape and gives the time from the key press
    // to the program's end; NaN, with the reason in problem, when it could
    // not be taken.
    double timeQuit(const Command& command, std::string& problem);

    // Whether some client owns the named selection within the time.
    bool waitForSelectionOwner(const char* selection, double seconds);

private:
    // Handles queued and arriving events until accept returns true or the
    // deadline (a steady-clock time in ms) passes.
    template <class Accept> bool waitForEvent(Accept accept, double deadline);
    bool waitForDamage(double deadline);
    // Waits until the window goes quietMs without a repaint; false if it never
    // does before capMs.
    bool waitUntilQuiet(double quietMs, double capMs);
    double timeKeyToRepaint(int index);
    // The time from the window's mapping until the program has a connection
    // on the bus at the address, polled within a bound; NaN, with the reason
    // in problem, when it never has.
    double timeJoin(const std::string& address, double mappedAt, std::string& problem);
    // CPU time the program spends handling the pointer's motions along rows
    // across the window, from the first motion until its window is quiet.
    double motionCpuMs(Window window, int motions);
    void end(Window window);
    // Starts command and waits for its top-level window to be mapped; gives
    // the window and the time from exec to its mapping, or 0 and the reason.
    Window start(const Command& command, double& mapMs, std::string& problem);
    // The ">" button of the decimal row, found as the calculator builds its
    // widget tree: a frame holding the display block and the pads, in the
    // order of creation; 0 when the tree has another shape.
    Window decimalCopyButton(Window window);

    Display* display = nullptr;
    Window root = 0;
    int damageEventBase = 0;
    unsigned long damage = 0;   // the DAMAGE object on the measured window
    int pid = -1;               // the measured program while it runs
    Window clipboardHolder = 0; // holds the clipboard until a copy takes it away
};
