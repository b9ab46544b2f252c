// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of the benchmark: medians that ignore missing readings, and
// ratios paired run by run, which cancel the load that a shared machine puts
// on every program of the same round.
#pragma once

#include <vector>

// A reading that could not be taken (the program never repainted, or is not
// installed) is NaN and is left out of every statistic.
double missing();
bool isMissing(double value);

// The median of the readings that are present; NaN when none is.
double median(std::vector<double> values);

// subject[i] / reference[i] for every round i where both readings are present
// and the reference is above zero.
std::vector<double> pairedRatios(const std::vector<double>& subject,
                                 const std::vector<double>& reference);
