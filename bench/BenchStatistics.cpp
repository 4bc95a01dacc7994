#include "BenchStatistics.h"

#include <algorithm>
#include <cmath>

double Percentile(std::vector<double> values, double dPercent) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const size_t nRank =
        static_cast<size_t>(std::ceil(dPercent / 100.0 * static_cast<double>(values.size())));
    return values[std::min(values.size(), std::max<size_t>(nRank, 1)) - 1];
}

IntervalFigures MeasureIntervals(const std::vector<double>& pressTimesMs, int nDelayMs) {
    IntervalFigures figures;
    figures.nDelivered = static_cast<int>(pressTimesMs.size());
    if (pressTimesMs.size() < 2) {
        return figures;
    }
    std::vector<double> errors;
    for (size_t i = 1; i < pressTimesMs.size(); ++i) {
        errors.push_back(std::fabs(pressTimesMs[i] - pressTimesMs[i - 1] - nDelayMs));
    }
    // The mean interval needs only the ends: the intervals in between add up to their distance.
    figures.dMeanIntervalMs =
        (pressTimesMs.back() - pressTimesMs.front()) / static_cast<double>(pressTimesMs.size() - 1);
    figures.dDriftMs = figures.dMeanIntervalMs - nDelayMs;
    figures.dMedianErrorMs = Percentile(errors, 50.0);
    figures.dP99ErrorMs = Percentile(errors, 99.0);
    return figures;
}
