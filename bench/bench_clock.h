// What the benchmarks share to time a run: a steady clock, milliseconds,
// the median of several rounds, and one call timed with its result kept.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds taken by `run`, whose result goes to `result`.
template <typename Run, typename Result>
double timed(Run run, Result& result)
{
    const auto start = Clock::now();
    result = run();
    return milliseconds(Clock::now() - start);
}

}  // namespace bench
