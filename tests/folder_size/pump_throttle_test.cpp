#include "folder_size/pump_throttle.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

using namespace std::chrono_literals;

TEST(PumpThrottle, PumpsFirstThenOncePerInterval) {
    PumpThrottle throttle(10ms);
    const PumpThrottle::Clock::time_point start{};  // the clock's epoch itself
    const std::pair<std::chrono::milliseconds, bool> steps[] = {{0ms, true},  {0ms, false},  {9ms, false},
                                                                {10ms, true}, {15ms, false}, {25ms, true}};
    for (const auto& [at, due] : steps) EXPECT_EQ(throttle.Due(start + at), due) << at.count();
}

}  // namespace
}  // namespace kuvano
