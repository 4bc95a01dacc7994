#pragma once
// The benchmark's one table: a block per delay with a row per program that pressed, then each of
// Tapwell's figures as a ratio to each peer's.
#include <string>
#include <vector>

#include "BenchStatistics.h"

struct BenchRow {
    std::string strSubject;
    std::string strShortName; // in the ratios' labels
    bool bTapwell = false;    // Tapwell's rows are compared with the others, the peers
    int nDelayMs = 0;
    int nAsked = 0;
    bool bMade = false;
    std::string strWhyNotMade;
    IntervalFigures intervals;
    // CPU seconds per 1,000 presses asked, over the run; negative where it could not be read.
    double dOwnCpu = -1.0;
    double dWineserverCpu = -1.0;
    double dXvfbCpu = -1.0;
};

void PrintBenchTable(const std::vector<BenchRow>& rows);
