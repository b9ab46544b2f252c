// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Formatting of the benchmark's report.
#include "ResultsTable.h"

#include "Statistics.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

std::string formatReading(double value, int decimals) {
    if (isMissing(value)) return "n/a";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

namespace {

std::string ratioCell(const std::vector<double>& subject, const std::vector<double>& other) {
    double ratio = median(pairedRatios(subject, other));
    return isMissing(ratio) ? "n/a" : formatReading(ratio, 2) + "×";
}

// A program that was to join the accessibility bus and never did has no
// readings that need the join.
bool neverJoined(const Series& p) {
    return p.joinsBus && isMissing(median(p.joinMs));
}

std::string joinedCell(const Series& p, const std::vector<double>& readings, int decimals) {
    return neverJoined(p) ? "not joined" : formatReading(median(readings), decimals);
}

// The ratio cells of one row: start, both memories, key and motions.
std::string ratioCells(const Series& subject, const Series& other) {
    bool joined = !neverJoined(subject) && !neverJoined(other);
    return ratioCell(subject.mapMs, other.mapMs) + " | " +
           ratioCell(subject.peakMiB, other.peakMiB) + " | " +
           ratioCell(subject.pssMiB, other.pssMiB) + " | " +
           (joined ? ratioCell(subject.keyMs, other.keyMs) : "not joined") + " | " +
           (joined ? ratioCell(subject.motionCpuMs, other.motionCpuMs) : "not joined");
}

const char* const RATIO_COLUMNS = "| time to window mapped | peak resident memory "
                                  "| proportional set size | key to first repaint "
                                  "| CPU for the motions |\n|---|---:|---:|---:|---:|---:|\n";

const Series* named(const std::vector<Series>& programs, const std::string& name) {
    for (const Series& p : programs)
        if (p.name == name) return &p;
    return nullptr;
}

} // namespace

std::string resultsMarkdown(const std::vector<Series>& programs, const RunInfo& info,
                            const std::vector<Comparison>& comparisons) {
    std::ostringstream out;
    out << "# Benchmark results\n\n"
        << "Taken " << info.date << " on " << info.machine << ".\n"
        << "Own Xvfb 1280x1024x24, no window manager; " << info.rounds
        << " interleaved rounds after one warm-up round; medians of the rounds, each round's "
        << "key time the median of " << info.keysPerRound << " key presses; idle readings over "
        << formatReading(info.idleSeconds, 1) << " s; both memories read at the end of the "
        << "round; CPU time (user and system) for " << info.motions
        << " pointer motions across the window.\n\n";

    out << "| program | time to window mapped (ms) | peak resident memory (MiB) "
           "| proportional set size (MiB) | key to first repaint (ms) | idle CPU (ticks) "
           "| idle wake-ups | CPU for the motions (ms) |\n"
        << "|---|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const Series& p : programs)
        out << "| " << p.name << " | " << formatReading(median(p.mapMs), 1) << " | "
            << formatReading(median(p.peakMiB), 1) << " | " << formatReading(median(p.pssMiB), 1)
            << " | " << joinedCell(p, p.keyMs, 2) << " | " << formatReading(median(p.idleTicks), 0)
            << " | " << formatReading(median(p.idleWakeups), 0) << " | "
            << joinedCell(p, p.motionCpuMs, 0) << " |\n";
    for (const Series& p : programs) {
        if (!p.joinsBus) continue;
        long joined = std::count_if(p.joinMs.begin(), p.joinMs.end(),
                                    [](double ms) { return !isMissing(ms); });
        out << "\n"
            << p.name << ": joined the accessibility bus in " << joined << " of " << p.joinMs.size()
            << " rounds";
        if (joined)
            out << ", a median " << formatReading(median(p.joinMs), 1)
                << " ms after its window was mapped; keys and motions measured once it had";
        out << ".\n";
    }

    if (programs.size() >= 2) {
        const Series& subject = programs.front();
        out << "\nPaired ratios, " << subject.name
            << " to each program in the same round (median of the rounds' ratios):\n\n"
            << "| " << subject.name << " to " << RATIO_COLUMNS;
        for (std::size_t i = 1; i < programs.size(); ++i)
            out << "| " << programs[i].name << " | " << ratioCells(subject, programs[i]) << " |\n";
    }
    bool headed = false;
    for (const Comparison& c : comparisons) {
        const Series* subject = named(programs, c.subject);
        const Series* reference = named(programs, c.reference);
        if (!subject || !reference) continue;
        if (!headed)
            out << "\nPaired ratios of one program to another in the same round:\n\n"
                << "| program " << RATIO_COLUMNS;
        headed = true;
        out << "| " << c.subject << " to " << c.reference << " | "
            << ratioCells(*subject, *reference) << " |\n";
    }
    return out.str();
}

std::string quitMarkdown(const std::vector<QuitSeries>& series, int rounds) {
    std::ostringstream out;
    out << "\nQuitting with a copy held: the decimal display copied, then Escape; the time "
           "from the key press to the calculator's end, median of "
        << rounds << " rounds:\n\n"
        << "| clipboard manager | Escape to the program's end (ms) |\n|---|---:|\n";
    for (const QuitSeries& s : series)
        out << "| " << s.manager << " | " << formatReading(median(s.quitMs), 1) << " |\n";
    return out.str();
}
