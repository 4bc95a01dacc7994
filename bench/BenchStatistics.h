#pragma once
// The figures of one run of presses, from the times of the key-downs the recorder logged: how many
// arrived, and how far the intervals between two presses were from the delay.
#include <vector>

struct IntervalFigures {
    int nDelivered = 0;
    double dMeanIntervalMs = 0.0;
    double dDriftMs = 0.0;       // mean interval minus the delay
    double dMedianErrorMs = 0.0; // of |interval - delay|
    double dP99ErrorMs = 0.0;
};

IntervalFigures MeasureIntervals(const std::vector<double>& pressTimesMs, int nDelayMs);

// Nearest-rank percentile; 0 for no values.
double Percentile(std::vector<double> values, double dPercent);
