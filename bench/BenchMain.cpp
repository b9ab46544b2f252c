// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// vyx-bench: starts each program given on the command line in turn, round
// after round, takes the readings of XProbe and writes the medians and the
// first program's paired ratios to the others.
//
//   vyx-bench [--rounds N] [--keys N] [--idle SECONDS] [--motions N]
//             [--results FILE] [--accessible NAME=ADDRESS]...
//             [--compare SUBJECT REFERENCE]... [--quit COMMAND
//             [--manager NAME=COMMAND]] NAME=COMMAND...
//
// A COMMAND may start with NAME=VALUE words, the program's environment (the
// session bus it runs on). --accessible names a program that joins the
// accessibility bus at ADDRESS once its window is drawn: its keys and motions
// are measured after it has. --compare adds the paired ratios of two programs.
// With --quit it also times the calculator's quitting with a copy held, with
// no clipboard manager and then with the manager that the command starts.
#include "Command.h"
#include "ProcStats.h"
#include "ResultsTable.h"
#include "Statistics.h"
#include "XProbe.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/utsname.h>
#include <sys/wait.h>

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

extern char** environ;

namespace {

struct Program {
    Command command;
    Series series;
    std::string accessibilityBus; // where it joins, or empty
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
    series.pssMiB.push_back(reading.pssMiB);
    series.keyMs.push_back(reading.keyMs);
    series.idleTicks.push_back(reading.idleTicks);
    series.idleWakeups.push_back(reading.idleWakeups);
    series.motionCpuMs.push_back(reading.motionCpuMs);
    if (series.joinsBus) series.joinMs.push_back(reading.joinMs);
}

// Every program must have been started, measured and left idle. A program
// may ignore the digit keys (the key column then says so), but if none
// repainted for a key, the probe itself is broken.
bool measured(const Series& series) {
    return !isMissing(median(series.mapMs)) && !isMissing(median(series.peakMiB)) &&
           !isMissing(median(series.pssMiB)) && !isMissing(median(series.idleTicks));
}

// NAME=COMMAND: false when either part is missing.
bool named(const std::string& arg, Program& program) {
    std::size_t at = arg.find('=');
    if (at == 0 || at == std::string::npos) return false;
    program.series.name = arg.substr(0, at);
    program.command = splitCommand(words(arg.substr(at + 1)));
    return !program.command.argv.empty();
}

Program* find(std::vector<Program>& programs, const std::string& name) {
    for (Program& program : programs)
        if (program.series.name == name) return &program;
    return nullptr;
}

QuitSeries timeQuits(XProbe& probe, const Command& command, const std::string& manager,
                     int rounds) {
    QuitSeries series{manager, {}};
    for (int round = 0; round < rounds; ++round) {
        std::string problem;
        series.quitMs.push_back(probe.timeQuit(command, problem));
        std::fprintf(stderr, "round %d  quit, manager %-15s %8s ms%s%s\n", round + 1,
                     manager.c_str(), formatReading(series.quitMs.back(), 1).c_str(),
                     problem.empty() ? "" : "  ", problem.c_str());
    }
    return series;
}

// The manager runs in a process group of its own, so that it ends together
// with what it started (a D-Bus session and its daemon).
QuitSeries timeQuitsWithManager(XProbe& probe, const Command& command, const Program& manager,
                                int rounds) {
    std::vector<char*> argv;
    for (const std::string& word : manager.command.argv)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    // What the manager says goes nowhere, so the rounds' lines stay readable.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t group = 0;
    QuitSeries series{manager.series.name, {}};
    if (posix_spawnp(&group, argv[0], &quiet, &attributes, argv.data(), environ) != 0)
        std::cerr << "vyx-bench: cannot start " << argv[0] << "\n";
    else if (!probe.waitForSelectionOwner("CLIPBOARD_MANAGER", 20))
        std::cerr << "vyx-bench: " << manager.series.name << " never owned CLIPBOARD_MANAGER\n";
    else
        series = timeQuits(probe, command, manager.series.name, rounds);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&quiet);
    if (group > 0) {
        kill(-group, SIGTERM);
        waitpid(group, nullptr, 0);
    }
    return series;
}

int usage() {
    std::cerr << "usage: vyx-bench [--rounds N] [--keys N] [--idle SECONDS] [--motions N] "
                 "[--results FILE] [--accessible NAME=ADDRESS]... "
                 "[--compare SUBJECT REFERENCE]... "
                 "[--quit COMMAND [--manager NAME=COMMAND]] NAME=COMMAND...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    RunInfo info;
    info.rounds = 10;
    info.keysPerRound = 5;
    info.idleSeconds = 2;
    info.motions = 1000;
    std::string resultsPath;
    std::vector<Program> programs;
    std::vector<std::string> accessible; // NAME=ADDRESS
    std::vector<Comparison> comparisons;
    Command quitCommand;
    Program manager;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--rounds" && hasValue)
            info.rounds = std::atoi(argv[++i]);
        else if (arg == "--keys" && hasValue)
            info.keysPerRound = std::atoi(argv[++i]);
        else if (arg == "--idle" && hasValue)
            info.idleSeconds = std::atof(argv[++i]);
        else if (arg == "--motions" && hasValue)
            info.motions = std::atoi(argv[++i]);
        else if (arg == "--results" && hasValue)
            resultsPath = argv[++i];
        else if (arg == "--accessible" && hasValue)
            accessible.push_back(argv[++i]);
        else if (arg == "--compare" && i + 2 < argc) {
            comparisons.push_back({argv[i + 1], argv[i + 2]});
            i += 2;
        } else if (arg == "--quit" && hasValue)
            quitCommand = splitCommand(words(argv[++i]));
        else if (arg == "--manager" && hasValue && named(argv[i + 1], manager))
            ++i;
        else if (Program program; arg[0] != '-' && named(arg, program))
            programs.push_back(program);
        else
            return usage();
    }
    if (programs.empty() || info.rounds < 1 || info.keysPerRound < 1 || info.idleSeconds <= 0 ||
        info.motions < 1)
        return usage();
    for (const std::string& entry : accessible) {
        std::size_t at = entry.find('=');
        Program* program = at == std::string::npos ? nullptr : find(programs, entry.substr(0, at));
        if (!program) return usage();
        program->accessibilityBus = entry.substr(at + 1);
        program->series.joinsBus = true;
    }
    for (const Comparison& c : comparisons)
        if (!find(programs, c.subject) || !find(programs, c.reference)) return usage();

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
        probe.measure(program.command, {1, 0.1, info.motions, program.accessibilityBus});
    for (int round = 0; round < info.rounds; ++round) {
        // Each round starts with another program, so that none always follows
        // the same one.
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[(round + k) % programs.size()];
            Reading reading =
                probe.measure(program.command, {info.keysPerRound, info.idleSeconds, info.motions,
                                                program.accessibilityBus});
            record(program.series, reading);
            std::string joined = program.series.joinsBus
                                     ? "  joined after " + formatReading(reading.joinMs, 1) + " ms"
                                     : "";
            std::fprintf(
                stderr,
                "round %d  %-46s map %6s ms  peak %5s MiB  pss %5s MiB  key %6s ms  "
                "motions %4s ms%s%s%s\n",
                round + 1, program.series.name.c_str(), formatReading(reading.mapMs, 1).c_str(),
                formatReading(reading.peakMiB, 1).c_str(), formatReading(reading.pssMiB, 1).c_str(),
                formatReading(reading.keyMs, 2).c_str(),
                formatReading(reading.motionCpuMs, 0).c_str(), joined.c_str(),
                reading.problem.empty() ? "" : "  ", reading.problem.c_str());
        }
    }

    std::vector<QuitSeries> quits;
    if (!quitCommand.argv.empty()) {
        quits.push_back(timeQuits(probe, quitCommand, "none", info.rounds));
        if (!manager.command.argv.empty())
            quits.push_back(timeQuitsWithManager(probe, quitCommand, manager, info.rounds));
    }

    std::vector<Series> results;
    for (const Program& program : programs)
        results.push_back(program.series);
    std::string report = resultsMarkdown(results, info, comparisons);
    if (!quits.empty()) report += quitMarkdown(quits, info.rounds);
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
        // Not joining is a finding about the program, reported in its row.
        if (series.joinsBus && isMissing(median(series.joinMs)))
            std::cerr << "vyx-bench: " << series.name << " never joined the accessibility bus\n";
        if (!measured(series)) {
            std::cerr << "vyx-bench: no complete readings for " << series.name << "\n";
            allMeasured = false;
        }
    }
    if (!anyKey) std::cerr << "vyx-bench: no program repainted for a key press\n";
    for (const QuitSeries& series : quits) {
        if (isMissing(median(series.quitMs))) {
            std::cerr << "vyx-bench: no quitting time with manager " << series.manager << "\n";
            allMeasured = false;
        }
    }
    return allMeasured && anyKey ? 0 : 1;
}
