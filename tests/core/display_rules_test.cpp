// The rules every display applies to a drive: its root, its free level, its
// sizes in text and the low-space warning.
#include <gtest/gtest.h>

#include <string>

#include "core/drive_name.h"
#include "core/free_level.h"
#include "core/low_space_warning.h"
#include "core/size_text.h"
#include "support/fake_warning_digits.h"

namespace kuvano {
namespace {

constexpr int64_t kMiB = 1'048'576;

TEST(DriveRoot, AppendsColonAndBackslashToTheWholeNameInAscii) {
    EXPECT_EQ(DriveRoot("C:"), u"C::\\");  // unusable, as it must be
    EXPECT_EQ(DriveRoot("\x7F\xE3\x81\x82"), u"\x7F\uFFFD\uFFFD\uFFFD:\\");
}

TEST(HomeDriveFromProgramPath, TakesTheLetterOfTheDrivePart) {
    for (const auto& [path, letter] : std::initializer_list<std::pair<std::u16string_view, std::string_view>>{
             {u"C:\\K.exe", "C"}, {u"d:\\K.exe", "d"}, {u"\\\\server\\share\\K.exe", "\\"},
             {u"\\\\?\\E:\\K.exe", "E"}, {u"\\\\?\\UNC\\server\\share\\K.exe", "\\"}, {u"K.exe", ""}, {u"K", ""},
             {u"\u00C4:\\K.exe", ""}}) {
        EXPECT_EQ(HomeDriveFromProgramPath(path), letter);
    }
}

// 2^58 + 1: 28 of them need 63 bits, beyond a double's 53, but the quotients
// below are exact ties in extended precision.
constexpr int64_t kUnit = (int64_t{1} << 58) + 1;

TEST(FreeLevel, RoundsTheFreeShareOfFourteenStepsHalfToEvenWithinZeroToThirteen) {
    struct Case {
        int64_t freeBytes;
        int64_t totalBytes;
        int32_t expected;
    };
    const Case cases[] = {
        {0, 100, 0}, {50, 100, 7}, {100, 100, 13}, {1, 28, 0}, {3, 28, 2}, {5, 28, 2}, {7, 28, 4}, {25, 28, 12},
        {26, 28, 13}, {27, 28, 13}, {1'000'001, 2'000'000, 7}, {5 * kUnit, 28 * kUnit, 2}, {7 * kUnit, 28 * kUnit, 4},
        {5 * kUnit + 1, 28 * kUnit, 3}, {7 * kUnit + 1, 28 * kUnit, 4}, {0, 0, 0}, {12345, 0, 0}, {200, 100, 13},
        {INT64_MAX, 1, 13}, {-5, 100, 0}, {5, -100, 0}, {1, INT64_MAX, 0}, {INT64_MAX, INT64_MAX, 13},
    };
    for (const Case& c : cases) EXPECT_EQ(FreeLevel(c.freeBytes, c.totalBytes), c.expected) << c.freeBytes;
}

TEST(SizeText, CountsIn1024PowersTowardZeroAndGroupsByThrees) {
    EXPECT_EQ(BytesInUnit(1023, 1), 0);
    EXPECT_EQ(BytesInUnit(-1025, 1), -1);
    EXPECT_EQ(BytesInUnit(2 * kMiB - 1, 2), 1);
    EXPECT_EQ(BytesInUnit(1024 * kMiB - 1, 3), 0);
    EXPECT_EQ(BytesInUnit(INT64_MAX, 3), 8'589'934'591);
    for (int32_t tani : {-1, 0, 4}) EXPECT_EQ(BytesInUnit(777, tani), 777) << "other units count in bytes";
    for (int32_t tani : {-1, 0, 4}) EXPECT_TRUE(AboutMark(tani).empty()) << tani;
    for (int32_t tani : {1, 2, 3}) EXPECT_FALSE(AboutMark(tani).empty()) << tani;
    EXPECT_EQ(FormatGrouped(0, u","), u"0");
    EXPECT_EQ(FormatGrouped(-999, u","), u"-999");
    EXPECT_EQ(FormatGrouped(INT64_MIN, u","), u"-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatGrouped(1'234'567, u"''"), u"1''234''567");
    EXPECT_EQ(FormatGrouped(1'234'567, u""), u"1234567");
    EXPECT_EQ(FormatGroupedSixDigits(-1234, u"."), u"-001.234");
    EXPECT_EQ(FormatGroupedSixDigits(1'000'000, u","), u"1,000,000");
}

TEST(WarningSize, WeighsGigaPlacesIn1024AndMegaPlacesInDecimalMiB) {
    EXPECT_EQ(WarningSize({1, 2, 3, 4, 5, 6}), 102'400 + 2 * 10'240 + 3 * 1'024 + 4 * 100 + 5 * 10 + 6);
    EXPECT_EQ(WarningSize({-3, 0, 0, 0, 0, 12}), 9) << "digits are taken as 0..9";
}

// Four calls in a row for a picture at level 5 with 40 % free: "W" where a
// call made it the warning frame with 0 %, "n" where it left it alone.
std::string Blinks(const WarningDigits& digits, int64_t freeBytes, BlinkFlag& flag) {
    testing::FakeWarningDigits controls;
    controls.digits = digits;
    std::string seen;
    for (int call = 0; call < 4; ++call) {
        int32_t level = 5;
        int32_t freePercent = 40;
        LowSpaceWarning(controls).DoTenmetu(13, flag, freeBytes, level, freePercent);
        seen += level == 14 && freePercent == 0 ? 'W' : level == 5 && freePercent == 40 ? 'n' : '?';
    }
    return seen;
}

TEST(DoTenmetu, BlinksEverySecondCallWhileTheFreeWholeMiBAreAtMostTheWarningSize) {
    struct Case {
        WarningDigits digits;
        int64_t freeBytes;
        BlinkFlag flag;
        std::string_view blinks;
        BlinkFlag flagAfter;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 1}, 2 * kMiB - 1, 0, "WnWn", 0},  // 1.99 MiB counts as 1
        {{0, 0, 0, 0, 0, 1}, 2 * kMiB, 0, "nnnn", 0},      {{0, 0, 0, 0, 0, 1}, 2 * kMiB, 1, "nnnn", 1},
        {{0, 0, 0, 0, 0, 1}, kMiB, 1, "nWnW", 1},          // a flag left at 1 starts with the normal picture
        {{0, 0, 0, 0, 0, 1}, -1, 0, "WnWn", 0},            // a failed query reads as 0 free
        {{0, 0, 1, 0, 0, 0}, 1'025 * kMiB - 1, 0, "WnWn", 0}, {{0, 0, 1, 0, 0, 0}, 1'025 * kMiB, 0, "nnnn", 0},
        {{9, 9, 9, 9, 9, 9}, 1'023'976 * kMiB - 1, 0, "WnWn", 0}, {{9, 9, 9, 9, 9, 9}, 1'023'976 * kMiB, 0, "nnnn", 0},
        {{0, 0, 0, 0, 0, 0}, 0, 0, "nnnn", 0},  // all zero: the warning is off
        {{0, 0, 0, 0, 0, 0}, -1, 1, "nnnn", 1},
    };
    for (const Case& c : cases) {
        BlinkFlag flag = c.flag;
        EXPECT_EQ(Blinks(c.digits, c.freeBytes, flag), c.blinks) << c.freeBytes;
        EXPECT_EQ(flag, c.flagAfter) << c.freeBytes;
    }
}

TEST(DoTenmetu, ReadsTheDigitsAfreshOnEveryCall) {
    testing::FakeWarningDigits controls;
    const LowSpaceWarning warning(controls);
    BlinkFlag flag = 0;
    int32_t level = 5;
    int32_t freePercent = 40;
    warning.DoTenmetu(13, flag, 500 * kMiB, level, freePercent);
    controls.digits = {0, 0, 0, 5, 0, 0};
    warning.DoTenmetu(13, flag, 500 * kMiB, level, freePercent);
    EXPECT_EQ(level, 14);
}

}  // namespace
}  // namespace kuvano
