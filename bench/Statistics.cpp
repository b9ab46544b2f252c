// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Medians and paired ratios over the rounds of one benchmark run.
#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

double missing() {
    return std::numeric_limits<double>::quiet_NaN();
}

bool isMissing(double value) {
    return std::isnan(value);
}

double median(std::vector<double> values) {
    values.erase(std::remove_if(values.begin(), values.end(), isMissing), values.end());
    if (values.empty()) return missing();
    std::sort(values.begin(), values.end());
    std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

std::vector<double> pairedRatios(const std::vector<double>& subject,
                                 const std::vector<double>& reference) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < subject.size() && i < reference.size(); ++i)
        if (!isMissing(subject[i]) && !isMissing(reference[i]) && reference[i] > 0)
            ratios.push_back(subject[i] / reference[i]);
    return ratios;
}
