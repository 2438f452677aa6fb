#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

// Wall-clock and this thread's CPU time, in milliseconds, and order statistics of samples.
inline double wallMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

inline double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The value below which the given share of the samples lies (0.5: the median).
inline double quantile(std::vector<double> samples, double share) {
    if (samples.empty()) {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    const size_t index = static_cast<size_t>(share * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[index];
}
