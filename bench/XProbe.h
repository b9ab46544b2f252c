// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The X side of the benchmark: starts a program, watches the root window for
// its top-level window to be mapped, types digit keys through XTEST and times
// each until the DAMAGE extension reports the window's first repaint, then
// leaves the program alone and counts what it spends.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

// What one start of one program showed; NaN for a reading that could not be
// taken, with the reason in problem.
struct Reading {
    double mapMs;
    double peakMiB;
    double keyMs;
    double idleTicks;
    double idleWakeups;
    std::string problem;
};

class XProbe {
public:
    // Opens the display named by DISPLAY; error says why when it returns false.
    bool open(std::string& error);
    ~XProbe();

    // Starts command, takes every reading and ends the program again.
    Reading measure(const std::vector<std::string>& command, int keys, double idleSeconds);

private:
    // Handles queued and arriving events until accept returns true or the
    // deadline (a steady-clock time in ms) passes.
    template <class Accept> bool waitForEvent(Accept accept, double deadline);
    bool waitForDamage(double deadline);
    // Waits until the window goes quietMs without a repaint; false if it never
    // does before capMs.
    bool waitUntilQuiet(double quietMs, double capMs);
    double timeKeyToRepaint(int index);
    void end(Window window);

    Display* display = nullptr;
    Window root = 0;
    int damageEventBase = 0;
    unsigned long damage = 0; // the DAMAGE object on the measured window
    int pid = -1;             // the measured program while it runs
};
