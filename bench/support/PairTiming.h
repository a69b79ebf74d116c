// Times an operation beside its baseline in pairs. Each round runs both,
// one right after the other, the order alternating from round to round, so
// that a busy machine slows the two of a pair alike; the figure is the
// median of the per-round ratios, given with the smallest and the largest.
#pragma once

#include <functional>

struct PairFigures {
    int nRounds = 0;
    double dOurs = 0;      // median time of the operation, ms
    double dBaseline = 0;  // median time of the baseline, ms
    double dRatio = 0;     // median of the per-round ratios
    double dLowest = 0;    // their range
    double dHighest = 0;
};

// settle runs after each timed call, untimed (to drop what a call built).
PairFigures TimePairs(const std::function<void()>& ours, const std::function<void()>& baseline, int nRounds,
                      const std::function<void()>& settle = nullptr);

// "what  ours ms  baseline ms  ratio median [lowest - highest] over n rounds"
void PrintPair(const char* pszWhat, const PairFigures& figures);
