#include "BenchTable.h"

#include <cstdio>

namespace {
const char ROW_FORMAT[] = "%-30s %11s %9s %8s %8s %8s %10s %7s\n";
const char UNKNOWN[] = "-";

std::string Format(const char* pszFormat, double dValue) {
    char szText[32];
    std::snprintf(szText, sizeof(szText), pszFormat, dValue);
    return szText;
}

std::string Cpu(double dSeconds) {
    return dSeconds < 0.0 ? UNKNOWN : Format("%.3f", dSeconds);
}

// Tapwell's figure over the peer's; a dash where either is unknown or the peer's is zero.
std::string Ratio(double dTapwell, double dPeer, const char* pszFormat = "%.2f") {
    if (dTapwell < 0.0 || dPeer <= 0.0) {
        return UNKNOWN;
    }
    return Format(pszFormat, dTapwell / dPeer);
}

void PrintHeader(int nDelayMs, int nAsked) {
    std::printf("\ndelay %d ms, %d presses asked\n", nDelayMs, nAsked);
    std::printf("%53s%s\n", "", "|interval - delay| ms   CPU s per 1,000 presses");
    std::printf(ROW_FORMAT, "", "delivered", "drift ms", "median", "p99", "own", "wineserver", "Xvfb");
}

void PrintRow(const BenchRow& row) {
    if (!row.bMade) {
        std::printf("%-30s not measured: %s\n", row.strSubject.c_str(), row.strWhyNotMade.c_str());
        return;
    }
    const IntervalFigures& figures = row.intervals;
    const std::string strDelivered = std::to_string(figures.nDelivered) + "/" + std::to_string(row.nAsked);
    // Intervals need two presses.
    const bool bIntervals = figures.nDelivered > 1;
    std::printf(ROW_FORMAT, row.strSubject.c_str(), strDelivered.c_str(),
                bIntervals ? Format("%+.3f", figures.dDriftMs).c_str() : UNKNOWN,
                bIntervals ? Format("%.3f", figures.dMedianErrorMs).c_str() : UNKNOWN,
                bIntervals ? Format("%.3f", figures.dP99ErrorMs).c_str() : UNKNOWN, Cpu(row.dOwnCpu).c_str(),
                Cpu(row.dWineserverCpu).c_str(), Cpu(row.dXvfbCpu).c_str());
}

void PrintRatio(const BenchRow& tapwell, const BenchRow& peer) {
    const std::string strLabel = "  " + tapwell.strShortName + " / " + peer.strShortName;
    const IntervalFigures& mine = tapwell.intervals;
    const IntervalFigures& theirs = peer.intervals;
    std::printf(ROW_FORMAT, strLabel.c_str(), Ratio(mine.nDelivered, theirs.nDelivered).c_str(),
                Ratio(mine.dMeanIntervalMs, theirs.dMeanIntervalMs, "%.4f").c_str(),
                Ratio(mine.dMedianErrorMs, theirs.dMedianErrorMs).c_str(),
                Ratio(mine.dP99ErrorMs, theirs.dP99ErrorMs).c_str(),
                Ratio(tapwell.dOwnCpu, peer.dOwnCpu).c_str(),
                Ratio(tapwell.dWineserverCpu, peer.dWineserverCpu).c_str(),
                Ratio(tapwell.dXvfbCpu, peer.dXvfbCpu).c_str());
}

void PrintBlock(const std::vector<BenchRow>& rows, int nDelayMs, int nAsked) {
    PrintHeader(nDelayMs, nAsked);
    for (const BenchRow& row : rows) {
        if (row.nDelayMs == nDelayMs && row.nAsked == nAsked) {
            PrintRow(row);
        }
    }
    std::printf(ROW_FORMAT, "ratios, Tapwell / peer", "delivered", "interval", "median", "p99", "own",
                "wineserver", "Xvfb");
    for (const BenchRow& tapwell : rows) {
        for (const BenchRow& peer : rows) {
            if (tapwell.bTapwell && !peer.bTapwell && tapwell.bMade && peer.bMade &&
                tapwell.nDelayMs == nDelayMs && peer.nDelayMs == nDelayMs && tapwell.nAsked == nAsked &&
                peer.nAsked == nAsked) {
                PrintRatio(tapwell, peer);
            }
        }
    }
}
} // namespace

void PrintBenchTable(const std::vector<BenchRow>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        bool bFirstOfBlock = true;
        for (size_t j = 0; j < i; ++j) {
            if (rows[j].nDelayMs == rows[i].nDelayMs && rows[j].nAsked == rows[i].nAsked) {
                bFirstOfBlock = false;
            }
        }
        if (bFirstOfBlock) {
            PrintBlock(rows, rows[i].nDelayMs, rows[i].nAsked);
        }
    }
    std::printf(
        "\ndrift: mean interval minus delay. own: the pressing program's CPU time (xdotool's as its shell "
        "counts it).\nratios: Tapwell's figure over the peer's; interval: of the mean intervals; - where "
        "the peer's figure is 0 or unknown.\n");
    std::fflush(stdout);
}
