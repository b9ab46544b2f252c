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
    EXPECT_TRUE(contains(table, "| calculator | 20.0 | 8.6 | 0.50 | 0 | 0 |"));
    EXPECT_TRUE(contains(table, "| floor | 50.0 | 12.8 | 0.50 | 0 | 0 |"));
    // Round by round: 30/50, 20/40, 10/60 -> median 0.5; 8.6/12.9 -> 0.67.
    EXPECT_TRUE(contains(table, "| floor | 0.50× | 0.67× | 1.00× |"));
}

TEST(ResultsTable, MissingReadingsShowAsNotAvailable) {
    Series xcalc = series("xcalc", {45}, {5.2}, {missing()});
    std::string table = resultsMarkdown({series("calculator", {30}, {8.0}, {0.5}), xcalc}, info());
    EXPECT_TRUE(contains(table, "| xcalc | 45.0 | 5.2 | n/a | 0 | 0 |"));
    EXPECT_TRUE(contains(table, "| xcalc | 0.67× | 1.54× | n/a |"));
}

TEST(ResultsTable, ASingleProgramHasNoRatios) {
    std::string table = resultsMarkdown({series("calculator", {30}, {8.0}, {0.5})}, info());
    EXPECT_TRUE(contains(table, "| calculator | 30.0 |"));
    EXPECT_FALSE(contains(table, "×"));
}

TEST(ResultsTable, FormatsReadings) {
    EXPECT_EQ(formatReading(12.345, 1), "12.3");
    EXPECT_EQ(formatReading(3, 0), "3");
    EXPECT_EQ(formatReading(missing(), 2), "n/a");
}

} // namespace
