#include "core/low_space_warning.h"

#include <gtest/gtest.h>

#include "support/fake_warning_digits.h"

#include <vector>

namespace kuvano {
namespace {

TEST(WarningSize, WeighsGigaPlacesIn1024AndMegaPlacesInDecimal) {
    struct Case {
        WarningDigits digits;
        int32_t expectedMiB;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0}, 0},       {{0, 0, 0, 0, 0, 1}, 1},     {{0, 0, 0, 0, 1, 0}, 10},
        {{0, 0, 0, 1, 0, 0}, 100},     {{0, 0, 1, 0, 0, 0}, 1'024}, {{0, 1, 0, 0, 0, 0}, 10'240},
        {{1, 0, 0, 0, 0, 0}, 102'400}, {{0, 0, 1, 5, 0, 0}, 1'524}, {{9, 9, 9, 9, 9, 9}, 1'023'975},
        {{-3, 0, 0, 0, 0, 12}, 9},  // outside 0..9 as the spin controls clamp it
    };
    for (const Case& c : cases) EXPECT_EQ(WarningSize(c.digits), c.expectedMiB);
}

struct Call {
    int32_t level;
    int32_t freePercent;
    BlinkFlag flag;
};

// Calls DoTenmetu `count` times with level 5 and 40 % free.
std::vector<Call> Calls(const LowSpaceWarning& warning, BlinkFlag& flag, int64_t freeBytes, int count) {
    std::vector<Call> calls;
    for (int i = 0; i < count; ++i) {
        int32_t level = 5;
        int32_t freePercent = 40;
        warning.DoTenmetu(13, flag, freeBytes, level, freePercent);
        calls.push_back({level, freePercent, flag});
    }
    return calls;
}

bool Warns(const WarningDigits& digits, int64_t freeBytes) {
    testing::FakeWarningDigits controls;
    controls.digits = digits;
    const LowSpaceWarning warning(controls);
    BlinkFlag flag = 0;
    return Calls(warning, flag, freeBytes, 1)[0].level == 14;
}

TEST(DoTenmetu, WarnsAtOrBelowTheWarningSizeInWholeMiB) {
    struct Case {
        WarningDigits digits;
        int64_t freeBytes;
        bool warns;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 1}, 2'097'151, true},   // 1.99 MiB counts as 1
        {{0, 0, 0, 0, 0, 1}, 2'097'152, false},  // exactly 2 MiB
        {{0, 0, 0, 0, 0, 1}, 1'048'576, true},   // equal warns
        {{0, 0, 1, 0, 0, 0}, 1'074'790'399, true},
        {{0, 0, 1, 0, 0, 0}, 1'074'790'400, false},  // 1,025 MiB
        {{0, 0, 0, 0, 0, 1}, 0, true},               // a failed query reads as 0 free
        {{9, 9, 9, 9, 9, 9}, 1'023'975 * 1'048'576LL, true},
        {{9, 9, 9, 9, 9, 9}, 1'023'976 * 1'048'576LL, false},
        {{0, 0, 0, 0, 0, 1}, -1, true},
        {{0, 0, 0, 0, 0, 0}, 0, false},  // all zero: no warning
        {{0, 0, 0, 0, 0, 0}, -1, false},
    };
    for (const Case& c : cases) EXPECT_EQ(Warns(c.digits, c.freeBytes), c.warns) << c.freeBytes;
}

TEST(DoTenmetu, AlternatesTheWarningFrameWithTheCallersPicture) {
    testing::FakeWarningDigits controls;
    controls.digits = {0, 0, 0, 0, 0, 1};
    const LowSpaceWarning warning(controls);
    BlinkFlag flag = 0;
    const auto calls = Calls(warning, flag, 0, 4);
    EXPECT_EQ(calls[0].level, 14);
    EXPECT_EQ(calls[0].freePercent, 0);
    EXPECT_EQ(calls[1].level, 5);
    EXPECT_EQ(calls[1].freePercent, 40);
    EXPECT_EQ(calls[2].level, 14);
    EXPECT_EQ(calls[2].freePercent, 0);
    EXPECT_EQ(calls[3].level, 5);
    EXPECT_EQ(calls[3].freePercent, 40);
    EXPECT_EQ(flag, 0);
}

TEST(DoTenmetu, LeavesEverythingAloneWithoutAWarning) {
    testing::FakeWarningDigits controls;
    const LowSpaceWarning warning(controls);
    for (BlinkFlag start : {BlinkFlag{0}, BlinkFlag{1}}) {
        BlinkFlag flag = start;
        for (const Call& call : Calls(warning, flag, 0, 3)) {
            EXPECT_EQ(call.level, 5);
            EXPECT_EQ(call.freePercent, 40);
            EXPECT_EQ(call.flag, start);
        }
    }
    controls.digits = {0, 0, 0, 0, 0, 1};
    BlinkFlag flag = 1;
    for (const Call& call : Calls(warning, flag, 2'097'152, 3)) EXPECT_EQ(call.flag, 1);
}

TEST(DoTenmetu, AFlagLeftAtOneStartsTheNextWarningWithTheNormalPicture) {
    testing::FakeWarningDigits controls;
    controls.digits = {0, 0, 0, 0, 0, 1};
    const LowSpaceWarning warning(controls);
    BlinkFlag flag = 1;
    const auto calls = Calls(warning, flag, 0, 2);
    EXPECT_EQ(calls[0].level, 5);
    EXPECT_EQ(calls[0].flag, 0);
    EXPECT_EQ(calls[1].level, 14);
}

TEST(DoTenmetu, ReadsTheDigitsAfreshOnEveryCall) {
    testing::FakeWarningDigits controls;
    const LowSpaceWarning warning(controls);
    BlinkFlag flag = 0;
    const int64_t freeBytes = 500LL * 1'048'576;
    EXPECT_EQ(Calls(warning, flag, freeBytes, 1)[0].level, 5);
    controls.digits = {0, 0, 0, 5, 0, 0};  // 500 MiB: now at the warning size
    EXPECT_EQ(Calls(warning, flag, freeBytes, 1)[0].level, 14);
    controls.digits = {0, 0, 0, 4, 9, 9};  // 499 MiB: below it again
    EXPECT_EQ(Calls(warning, flag, freeBytes, 1)[0].level, 5);
    EXPECT_EQ(flag, 1);  // kept from the last warning call
}

}  // namespace
}  // namespace kuvano
