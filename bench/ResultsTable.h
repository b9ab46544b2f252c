// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark's report: medians per program and the subject's paired ratios
// against every other program, as the Markdown that is both printed and kept
// in RESULTS.md.
#pragma once

#include <string>
#include <vector>

// The readings of one program, one element per round; NaN where a reading
// could not be taken.
struct Series {
    std::string name;
    std::vector<double> mapMs;       // exec to the MapNotify of its top-level window
    std::vector<double> peakMiB;     // VmHWM at the end of the round
    std::vector<double> pssMiB;      // Pss at the same moment
    std::vector<double> keyMs;       // key press to the first damage of its window
    std::vector<double> idleTicks;   // CPU ticks spent while left alone
    std::vector<double> idleWakeups; // context switches while left alone
    std::vector<double> motionCpuMs; // CPU time for the pointer's motions
    // A program that joins the accessibility bus: the times from its window's
    // mapping to its joining, NaN for a round where it never joined (its keys
    // and motions are then not measured).
    bool joinsBus = false;
    std::vector<double> joinMs;
};

// Two programs whose paired ratios are shown on their own.
struct Comparison {
    std::string subject;
    std::string reference;
};

// Where and how the readings were taken.
struct RunInfo {
    std::string date;
    std::string machine;
    int rounds = 0;
    int keysPerRound = 0;
    double idleSeconds = 0;
    int motions = 0;
};

// The times from Escape to the calculator's end with a copy held, one per
// round, with one clipboard manager running (or none).
struct QuitSeries {
    std::string manager;
    std::vector<double> quitMs;
};

// The first series is the subject; the ratios compare it with each of the
// others in the same rounds, and then each comparison's subject with its
// reference (a name that no series has is left out).
std::string resultsMarkdown(const std::vector<Series>& programs, const RunInfo& info,
                            const std::vector<Comparison>& comparisons = {});

// The quitting times as a table of medians, to follow the results.
std::string quitMarkdown(const std::vector<QuitSeries>& series, int rounds);

// A number with the given decimals, or "n/a" when missing.
std::string formatReading(double value, int decimals);
