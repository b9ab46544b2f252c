// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Formatting of the benchmark's report.
#include "ResultsTable.h"

#include "Statistics.h"

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

} // namespace

std::string resultsMarkdown(const std::vector<Series>& programs, const RunInfo& info) {
    std::ostringstream out;
    out << "# Benchmark results\n\n"
        << "Taken " << info.date << " on " << info.machine << ".\n"
        << "Own Xvfb 1280x1024x24, no window manager; " << info.rounds
        << " interleaved rounds after one warm-up round; medians of the rounds, each round's "
        << "key time the median of " << info.keysPerRound << " key presses; idle readings over "
        << formatReading(info.idleSeconds, 1) << " s.\n\n";

    out << "| program | time to window mapped (ms) | peak resident memory (MiB) "
           "| key to first repaint (ms) | idle CPU (ticks) | idle wake-ups |\n"
        << "|---|---:|---:|---:|---:|---:|\n";
    for (const Series& p : programs)
        out << "| " << p.name << " | " << formatReading(median(p.mapMs), 1) << " | "
            << formatReading(median(p.peakMiB), 1) << " | " << formatReading(median(p.keyMs), 2)
            << " | " << formatReading(median(p.idleTicks), 0) << " | "
            << formatReading(median(p.idleWakeups), 0) << " |\n";

    if (programs.size() < 2) return out.str();
    const Series& subject = programs.front();
    out << "\nPaired ratios, " << subject.name
        << " to each program in the same round (median of the rounds' ratios):\n\n"
        << "| " << subject.name << " to | time to window mapped | peak resident memory "
        << "| key to first repaint |\n|---|---:|---:|---:|\n";
    for (std::size_t i = 1; i < programs.size(); ++i) {
        const Series& other = programs[i];
        out << "| " << other.name << " | " << ratioCell(subject.mapMs, other.mapMs) << " | "
            << ratioCell(subject.peakMiB, other.peakMiB) << " | "
            << ratioCell(subject.keyMs, other.keyMs) << " |\n";
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
