// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Medians and paired ratios: a missing reading must drop out without shifting
// the rounds against each other.
#include "Statistics.h"

#include <gtest/gtest.h>

namespace {

TEST(Median, MiddleOfOddAndMeanOfTheTwoMiddlesOfEven) {
    EXPECT_DOUBLE_EQ(median({5, 1, 3}), 3);
    EXPECT_DOUBLE_EQ(median({4, 1, 3, 2}), 2.5);
    EXPECT_DOUBLE_EQ(median({7}), 7);
    // One slow outlier does not move it.
    EXPECT_DOUBLE_EQ(median({40, 41, 42, 400}), 41.5);
}

TEST(Median, LeavesOutMissingReadings) {
    EXPECT_DOUBLE_EQ(median({missing(), 9, 1, missing(), 5}), 5);
    EXPECT_TRUE(isMissing(median({missing(), missing()})));
    EXPECT_TRUE(isMissing(median({})));
}

TEST(PairedRatios, PairsRoundByRound) {
    std::vector<double> ratios = pairedRatios({30, 40, 60}, {60, 40, 30});
    ASSERT_EQ(ratios.size(), 3u);
    EXPECT_DOUBLE_EQ(ratios[0], 0.5);
    EXPECT_DOUBLE_EQ(ratios[1], 1);
    EXPECT_DOUBLE_EQ(ratios[2], 2);
    // The median of the ratios is not the ratio of the medians.
    EXPECT_DOUBLE_EQ(median(pairedRatios({10, 20, 90}, {20, 10, 30})), 2);
}

TEST(PairedRatios, DropsRoundsWithAMissingOrZeroReadingWithoutShifting) {
    // Round 2 lost the subject, round 3 the reference: rounds 1 and 4 stay
    // paired with each other, not with their neighbours.
    std::vector<double> ratios = pairedRatios({10, missing(), 30, 80}, {20, 50, missing(), 40});
    ASSERT_EQ(ratios.size(), 2u);
    EXPECT_DOUBLE_EQ(ratios[0], 0.5);
    EXPECT_DOUBLE_EQ(ratios[1], 2);
    EXPECT_TRUE(pairedRatios({1, 2}, {0, 0}).empty());
    EXPECT_EQ(pairedRatios({1, 2, 3}, {1}).size(), 1u);
}

} // namespace
