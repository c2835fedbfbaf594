#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace kuvano::bench {

// One way of doing the measured work, with the wall times of its runs.
struct Contender {
    std::string name;
    std::function<void()> run;
    std::vector<double> seconds;
};

// Warms every contender up once, then runs them in turn, round after round,
// so that all of them meet the machine in the same state.
inline void RunSideBySide(std::vector<Contender>& contenders, int rounds) {
    for (Contender& contender : contenders) contender.run();
    for (int round = 0; round < rounds; ++round) {
        for (Contender& contender : contenders) {
            const auto start = std::chrono::steady_clock::now();
            contender.run();
            contender.seconds.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
}

inline double Median(std::vector<double> samples) {
    std::ranges::sort(samples);
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

}  // namespace kuvano::bench
