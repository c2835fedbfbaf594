#include "core/free_level.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kuvano {
namespace {

struct LevelCase {
    int64_t freeBytes;
    int64_t totalBytes;
    int32_t expected;
};

constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
constexpr int64_t k100GB = 100'000'000'000;

TEST(FreeLevel, QuantisesTheFreeShareInFourteenSteps) {
    const LevelCase cases[] = {
        {0, k100GB, 0},             // nothing free: the full coloured picture
        {k100GB / 2, k100GB, 7},    // exactly half
        {k100GB, k100GB, 13},       // completely free is 13, never 14
        {1, 28, 0},                 // 0.5 goes to the even 0
        {3, 28, 2},                 // 1.5 goes to the even 2
        {5, 28, 2},                 // 2.5 goes to the even 2
        {7, 28, 4},                 // 3.5 goes to the even 4
        {23, 28, 12},               // 11.5 goes to the even 12
        {25, 28, 12},               // 12.5 goes to the even 12
        {27, 28, 13},               // 13.5 rounds to 14 and is clamped to 13
        {26, 28, 13},               // 13.0
        {1'000'001, 2'000'000, 7},  // just above half
        {5'905'580'032, 63'999'995'904, 1},
    };
    for (const LevelCase& c : cases) {
        EXPECT_EQ(FreeLevel(c.freeBytes, c.totalBytes), c.expected) << c.freeBytes << " of " << c.totalBytes;
    }
}

TEST(FreeLevel, FailedOrOddQueriesStayInRange) {
    const LevelCase cases[] = {
        {0, 0, 0},           // failed query
        {12345, 0, 0},       // division by zero
        {200, 100, 13},      // more free than total
        {kInt64Max, 1, 13},  // a quotient far beyond any integer
        {-5, 100, 0},        // negative free bytes
        {5, -100, 0},        // negative total
        {1, kInt64Max, 0},  {kInt64Max, kInt64Max, 13},
    };
    for (const LevelCase& c : cases) {
        EXPECT_EQ(FreeLevel(c.freeBytes, c.totalBytes), c.expected) << c.freeBytes << " of " << c.totalBytes;
    }
}

TEST(FreeLevel, TiesAreExactForByteCountsBeyondDoublePrecision) {
    // 2^60 + 28 bytes of which 5/28 are free: 2.5 exactly in extended
    // precision, so the tie goes to the even 2. A double cannot hold the total.
    const int64_t unit = (int64_t{1} << 58) + 1;
    EXPECT_EQ(FreeLevel(5 * unit, 28 * unit), 2);
    EXPECT_EQ(FreeLevel(7 * unit, 28 * unit), 4);
    EXPECT_EQ(FreeLevel(7 * unit + 1, 28 * unit), 4);
    EXPECT_EQ(FreeLevel(5 * unit + 1, 28 * unit), 3);
}

}  // namespace
}  // namespace kuvano
