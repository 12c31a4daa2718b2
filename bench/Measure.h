// Timing helpers for the benchmark: the thread's CPU clock, the wall clock, medians and percentiles.
#pragma once

#include <time.h>

#include <algorithm>
#include <vector>

inline double threadCpuMs() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

inline double wallMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// The q-quantile (0..1) of the samples, nearest rank; 0 when there are none.
inline double quantile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t i = static_cast<size_t>(q * (v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

inline double median(const std::vector<double>& v) {
    return quantile(v, 0.5);
}
