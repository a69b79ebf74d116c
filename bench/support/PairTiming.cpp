#include "bench/support/PairTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
double Milliseconds(const std::function<void()>& run, const std::function<void()>& settle) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (settle) settle();
    return took.count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
}  // namespace

PairFigures TimePairs(const std::function<void()>& ours, const std::function<void()>& baseline, int nRounds,
                      const std::function<void()>& settle) {
    std::vector<double> oursTimes, baseTimes, ratios;
    for (int i = 0; i < nRounds; ++i) {
        double dOurs = 0, dBase = 0;
        if (i % 2 == 0) {
            dOurs = Milliseconds(ours, settle);
            dBase = Milliseconds(baseline, settle);
        } else {
            dBase = Milliseconds(baseline, settle);
            dOurs = Milliseconds(ours, settle);
        }
        oursTimes.push_back(dOurs);
        baseTimes.push_back(dBase);
        ratios.push_back(dOurs / std::max(dBase, 1e-6));
    }
    PairFigures f;
    if (nRounds <= 0) return f;
    f.nRounds = nRounds;
    f.dOurs = Median(oursTimes);
    f.dBaseline = Median(baseTimes);
    f.dRatio = Median(ratios);
    f.dLowest = *std::min_element(ratios.begin(), ratios.end());
    f.dHighest = *std::max_element(ratios.begin(), ratios.end());
    return f;
}

void PrintPair(const char* pszWhat, const PairFigures& f) {
    std::printf("%-8s %10.2f ms   baseline %9.2f ms   ratio %6.2f  [%.2f - %.2f] over %d rounds\n", pszWhat,
                f.dOurs, f.dBaseline, f.dRatio, f.dLowest, f.dHighest, f.nRounds);
}
