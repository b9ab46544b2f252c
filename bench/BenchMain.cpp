// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// vyx-bench: starts each program given on the command line in turn, round
// after round, takes the readings of XProbe and writes the medians and the
// first program's paired ratios to the others.
//
//   vyx-bench [--rounds N] [--keys N] [--idle SECONDS] [--results FILE] NAME=COMMAND...
#include "ProcStats.h"
#include "ResultsTable.h"
#include "Statistics.h"
#include "XProbe.h"

#include <sys/utsname.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Program {
    std::vector<std::string> command;
    Series series;
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

// The value of "key : value" on the first matching line of a /proc or /etc text.
std::string firstValue(const std::string& text, const std::string& key, char separator) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, key.size(), key) != 0) continue;
        std::size_t at = line.find(separator);
        if (at == std::string::npos) continue;
        std::string value = line.substr(at + 1);
        value.erase(0, value.find_first_not_of(" \t\""));
        value.erase(value.find_last_not_of(" \t\"") + 1);
        return value;
    }
    return "unknown";
}

std::string describeMachine() {
    utsname system;
    uname(&system);
    double memoryGiB =
        std::atof(firstValue(readProcFile("/proc/meminfo"), "MemTotal", ':').c_str()) /
        (1024 * 1024);
    const char* locale = std::setlocale(LC_CTYPE, "");
    return firstValue(readProcFile("/proc/cpuinfo"), "model name", ':') + ", " +
           std::to_string(std::thread::hardware_concurrency()) + " cores, " +
           formatReading(memoryGiB, 0) + " GiB, " +
           firstValue(readProcFile("/etc/os-release"), "PRETTY_NAME", '=') + ", Linux " +
           system.release + ", locale " + (locale ? locale : "C");
}

std::string today() {
    std::time_t now = std::time(nullptr);
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M %Z", std::localtime(&now));
    return text;
}

void record(Series& series, const Reading& reading) {
    series.mapMs.push_back(reading.mapMs);
    series.peakMiB.push_back(reading.peakMiB);
    series.keyMs.push_back(reading.keyMs);
    series.idleTicks.push_back(reading.idleTicks);
    series.idleWakeups.push_back(reading.idleWakeups);
}

// Every program must have been started, measured and left idle. A program
// may ignore the digit keys (the key column then says so), but if none
// repainted for a key, the probe itself is broken.
bool measured(const Series& series) {
    return !isMissing(median(series.mapMs)) && !isMissing(median(series.peakMiB)) &&
           !isMissing(median(series.idleTicks));
}

int usage() {
    std::cerr << "usage: vyx-bench [--rounds N] [--keys N] [--idle SECONDS] [--results FILE] "
                 "NAME=COMMAND...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    RunInfo info;
    info.rounds = 10;
    info.keysPerRound = 5;
    info.idleSeconds = 2;
    std::string resultsPath;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--rounds" && hasValue)
            info.rounds = std::atoi(argv[++i]);
        else if (arg == "--keys" && hasValue)
            info.keysPerRound = std::atoi(argv[++i]);
        else if (arg == "--idle" && hasValue)
            info.idleSeconds = std::atof(argv[++i]);
        else if (arg == "--results" && hasValue)
            resultsPath = argv[++i];
        else if (arg.find('=') != std::string::npos && arg[0] != '-') {
            Program program;
            program.series.name = arg.substr(0, arg.find('='));
            program.command = words(arg.substr(arg.find('=') + 1));
            if (program.command.empty()) return usage();
            programs.push_back(program);
        } else
            return usage();
    }
    if (programs.empty() || info.rounds < 1 || info.keysPerRound < 1 || info.idleSeconds <= 0)
        return usage();

    XProbe probe;
    std::string error;
    if (!probe.open(error)) {
        std::cerr << "vyx-bench: " << error << "\n";
        return 1;
    }
    info.date = today();
    info.machine = describeMachine();

    // One round that is not kept fills the page cache for every program alike.
    for (Program& program : programs)
        probe.measure(program.command, 1, 0.1);
    for (int round = 0; round < info.rounds; ++round) {
        // Each round starts with another program, so that none always follows
        // the same one.
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[(round + k) % programs.size()];
            Reading reading = probe.measure(program.command, info.keysPerRound, info.idleSeconds);
            record(program.series, reading);
            std::fprintf(
                stderr, "round %d  %-28s map %6s ms  peak %5s MiB  key %6s ms%s%s\n", round + 1,
                program.series.name.c_str(), formatReading(reading.mapMs, 1).c_str(),
                formatReading(reading.peakMiB, 1).c_str(), formatReading(reading.keyMs, 2).c_str(),
                reading.problem.empty() ? "" : "  ", reading.problem.c_str());
        }
    }

    std::vector<Series> results;
    for (const Program& program : programs)
        results.push_back(program.series);
    std::string report = resultsMarkdown(results, info);
    std::cout << "\n" << report;
    if (!resultsPath.empty()) {
        std::ofstream file(resultsPath);
        file << report;
        if (!file) {
            std::cerr << "vyx-bench: cannot write " << resultsPath << "\n";
            return 1;
        }
    }
    bool anyKey = false;
    bool allMeasured = true;
    for (const Series& series : results) {
        anyKey = anyKey || !isMissing(median(series.keyMs));
        if (!measured(series)) {
            std::cerr << "vyx-bench: no complete readings for " << series.name << "\n";
            allMeasured = false;
        }
    }
    if (!anyKey) std::cerr << "vyx-bench: no program repainted for a key press\n";
    return allMeasured && anyKey ? 0 : 1;
}
