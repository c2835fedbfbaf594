#include "folder_size/pump_throttle.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

using namespace std::chrono_literals;

TEST(PumpThrottle, PumpsFirstThenOncePerInterval) {
    PumpThrottle throttle(10ms);
    const PumpThrottle::Clock::time_point start{};  // the clock's epoch itself
    const struct {
        std::chrono::milliseconds at;
        bool due;
    } steps[] = {{0ms, true}, {0ms, false}, {9ms, false}, {10ms, true}, {15ms, false}, {25ms, true}, {100ms, true}};
    for (const auto& step : steps) EXPECT_EQ(throttle.Due(start + step.at), step.due) << step.at.count();
}

}  // namespace
}  // namespace kuvano
