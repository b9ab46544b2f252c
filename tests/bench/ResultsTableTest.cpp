// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The report that is printed and kept: medians in the right columns, missing
// programs and readings shown as such, ratios of the subject to each other.
#include "ResultsTable.h"

#include "Statistics.h"

#include <gtest/gtest.h>

namespace {

Series series(const std::string& name, std::vector<double> map, std::vector<double> peak,
              std::vector<double> key) {
    Series s;
    s.name = name;
    s.mapMs = map;
    s.peakMiB = peak;
    s.keyMs = key;
    s.idleTicks = std::vector<double>(map.size(), 0);
    s.idleWakeups = std::vector<double>(map.size(), 0);
    // Half of each peak is the program's own share.
    for (double peakMiB : peak)
        s.pssMiB.push_back(peakMiB / 2);
    s.motionCpuMs = std::vector<double>(map.size(), 10);
    return s;
}

// A program on the accessibility bus, with its join times.
Series joining(const std::string& name, std::vector<double> join, std::vector<double> key,
               std::vector<double> motion) {
    Series s = series(name, std::vector<double>(join.size(), 20),
                      std::vector<double>(join.size(), 9), key);
    s.joinsBus = true;
    s.joinMs = join;
    s.motionCpuMs = motion;
    return s;
}

RunInfo info() {
    RunInfo i;
    i.date = "2030-01-02 03:04 UTC";
    i.machine = "Test CPU, 2 cores";
    i.rounds = 3;
    i.keysPerRound = 5;
    i.idleSeconds = 2;
    return i;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ResultsTable, OneRowOfMediansPerProgramWithDateAndMachine) {
    std::string table =
        resultsMarkdown({series("calculator", {30, 20, 10}, {8.5, 8.7, 8.6}, {0.4, 0.6, 0.5}),
                         series("floor", {50, 40, 60}, {12.8, 12.8, 12.9}, {0.5, 0.5, 0.5})},
                        info());
    EXPECT_TRUE(contains(table, "2030-01-02 03:04 UTC"));
    EXPECT_TRUE(contains(table, "Test CPU, 2 cores"));
    EXPECT_TRUE(contains(table, "| calculator | 20.0 | 8.6 | 4.3 | 0.50 | 0 | 0 | 10 |"));
    EXPECT_TRUE(contains(table, "| floor | 50.0 | 12.8 | 6.4 | 0.50 | 0 | 0 | 10 |"));
    // Round by round: 30/50, 20/40, 10/60 -> median 0.5; 8.6/12.9 -> 0.67.
    EXPECT_TRUE(contains(table, "| floor | 0.50× | 0.67× | 0.67× | 1.00× | 1.00× |"));
}

TEST(ResultsTable, MissingReadingsShowAsNotAvailable) {
    Series xcalc = series("xcalc", {45}, {5.2}, {missing()});
    std::string table = resultsMarkdown({series("calculator", {30}, {8.0}, {0.5}), xcalc}, info());
    EXPECT_TRUE(contains(table, "| xcalc | 45.0 | 5.2 | 2.6 | n/a | 0 | 0 | 10 |"));
    EXPECT_TRUE(contains(table, "| xcalc | 0.67× | 1.54× | 1.54× | n/a | 1.00× |"));
}

TEST(ResultsTable, ASingleProgramHasNoRatios) {
    std::string table = resultsMarkdown({series("calculator", {30}, {8.0}, {0.5})}, info());
    EXPECT_TRUE(contains(table, "| calculator | 30.0 |"));
    EXPECT_FALSE(contains(table, "×"));
}

TEST(ResultsTable, AProgramThatNeverJoinedTheBusSaysSoWhereItsReadingsWouldBe) {
    std::string table = resultsMarkdown({series("calculator", {30}, {8.0}, {0.5}),
                                         joining("on", {missing()}, {missing()}, {missing()})},
                                        info());
    EXPECT_TRUE(contains(table, "| on | 20.0 | 9.0 | 4.5 | not joined | 0 | 0 | not joined |"));
    EXPECT_TRUE(contains(table, "| on | 1.50× | 0.89× | 0.89× | not joined | not joined |"));
    EXPECT_TRUE(contains(table, "on: joined the accessibility bus in 0 of 1 rounds.\n"));

    // Joined in some rounds: the medians of those, and how many they were.
    table = resultsMarkdown(
        {joining("on", {300, missing(), 320}, {1.5, missing(), 1.2}, {40, missing(), 30})}, info());
    EXPECT_TRUE(contains(table, "| on | 20.0 | 9.0 | 4.5 | 1.35 | 0 | 0 | 35 |"));
    EXPECT_TRUE(contains(table, "in 2 of 3 rounds, a median 310.0 ms after its window was mapped"));
}

TEST(ResultsTable, ComparisonsPairTheNamedProgramsRoundByRound) {
    Series off = series("off", {20, 40}, {9, 9}, {0.5, 0.5});
    off.motionCpuMs = {20, 10};
    Series on = joining("on", {300, 310}, {1.0, 2.0}, {40, 40});
    on.mapMs = {30, 40};
    std::string table =
        resultsMarkdown({series("calculator", {30, 30}, {8, 8}, {0.5, 0.5}), off, on}, info(),
                        {{"on", "off"}, {"on", "nothing of that name"}});
    // 30/20 and 40/40 -> 1.25; 1/0.5 and 2/0.5 -> 3; 40/20 and 40/10 -> 3.
    EXPECT_TRUE(contains(table, "| on to off | 1.25× | 1.00× | 1.00× | 3.00× | 3.00× |"));
    EXPECT_FALSE(contains(table, "nothing of that name"));
    EXPECT_FALSE(contains(resultsMarkdown({off, on}, info()), "one program to another"));
}

TEST(ResultsTable, FormatsReadings) {
    EXPECT_EQ(formatReading(12.345, 1), "12.3");
    EXPECT_EQ(formatReading(3, 0), "3");
    EXPECT_EQ(formatReading(missing(), 2), "n/a");
}

} // namespace
