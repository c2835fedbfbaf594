#pragma once

#include <cstdint>
#include <functional>

namespace kuvano::bench {

// What one run cost in a child process of its own: the wall time, and the
// peak resident memory (getrusage's ru_maxrss) when it started and when it ended.
struct ForkedRun {
    double seconds = 0;
    long startKibibytes = 0;
    long peakKibibytes = 0;
    int64_t result = 0;  // what the work returned
};

// Runs the work in a forked child, so that its peak memory is its own and
// no run inherits what an earlier one left in the heap.
ForkedRun RunForked(const std::function<int64_t()>& work);

}  // namespace kuvano::bench
