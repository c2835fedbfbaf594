// The rules every display applies to a drive: root, free level, sizes in text, low-space warning.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/drive_name.h"
#include "core/free_level.h"
#include "core/low_space_alerts.h"
#include "core/low_space_warning.h"
#include "core/refresh_clock.h"
#include "core/size_text.h"
#include "core/window_place.h"

namespace kuvano {
namespace {

constexpr int64_t kMiB = 1'048'576;

TEST(DriveName, RootOfTheWholeNameInAsciiAndTheProgramsDriveLetter) {
    EXPECT_EQ(DriveRoot("C:"), u"C::\\");  // unusable, as it must be
    EXPECT_EQ(DriveRoot("\x7F\xE3\x81\x82"), u"\x7F\uFFFD\uFFFD\uFFFD:\\");
    // clang-format off
    const std::pair<std::u16string_view, std::string_view> programs[] = {
        {u"C:\\K.exe", "C"}, {u"d:\\K.exe", "d"}, {u"\\\\?\\E:\\K.exe", "E"}, {u"\\\\server\\share\\K.exe", "\\"},
        {u"\\\\?\\UNC\\server\\share\\K.exe", "\\"}, {u"K.exe", ""}, {u"K", ""}, {u"\u0080:\\K.exe", ""}};
    // clang-format on
    for (const auto& [path, letter] : programs) EXPECT_EQ(HomeDriveFromProgramPath(path), letter);
}

// 28 of these need 63 bits, beyond a double's 53; the quotients below are exact ties in extended precision.
constexpr int64_t kUnit = (int64_t{1} << 58) + 1;

TEST(FreeLevel, RoundsTheFreeShareOfFourteenStepsHalfToEvenWithinZeroToThirteen) {
    // clang-format off
    const std::tuple<int64_t, int64_t, int32_t> cases[] = {
        {0, 100, 0}, {50, 100, 7}, {100, 100, 13},
        // ties each side of a level, at the bottom and at the top, and just past one
        {1, 28, 0}, {3, 28, 2}, {5, 28, 2}, {7, 28, 4}, {25, 28, 12}, {26, 28, 13}, {27, 28, 13},
        {1'000'001, 2'000'000, 7}, {5 * kUnit, 28 * kUnit, 2}, {7 * kUnit, 28 * kUnit, 4},
        {5 * kUnit + 1, 28 * kUnit, 3}, {7 * kUnit + 1, 28 * kUnit, 4},
        // no total, more free than total, negative counts, the extremes
        {0, 0, 0}, {12345, 0, 0}, {200, 100, 13}, {INT64_MAX, 1, 13}, {-5, 100, 0}, {5, -100, 0}, {1, INT64_MAX, 0},
        {INT64_MAX, INT64_MAX, 13}};
    // clang-format on
    for (const auto& [free, total, level] : cases) EXPECT_EQ(FreeLevel(free, total), level) << free << " of " << total;
}

TEST(SizeText, CountsIn1024PowersTowardZeroAndGroupsByThrees) {
    // Each unit's count, mark and word, and bytes for an unknown one: TrayTooltip's cases.
    EXPECT_EQ(FormatGrouped(-999, u","), u"-999");
    EXPECT_EQ(FormatGrouped(INT64_MIN, u","), u"-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatGrouped(1'234'567, u"''"), u"1''234''567");
    EXPECT_EQ(FormatGroupedSixDigits(-1234, u"."), u"-001.234");
    EXPECT_EQ(FormatGroupedSixDigits(1'000'000, u""), u"1000000");
}

// Four refreshes: "W" shows the warning frame, "n" the drive's own picture.
std::string Blinks(const WarningDigits& digits, int64_t freeBytes, BlinkFlag& flag) {
    LowSpaceWarning warning(WarningDigits{});
    warning.SetDigits(digits);  // as the settings panel sets them
    std::string seen;
    for (int call = 0; call < 4; ++call) seen += warning.WarningBeat(flag, freeBytes) ? 'W' : 'n';
    return seen;
}

TEST(WarningBeat, BlinksEverySecondRefreshWhileTheFreeWholeMiBAreAtMostTheWarningSize) {
    // clang-format off
    const std::tuple<WarningDigits, int64_t, BlinkFlag, std::string_view> cases[] = {
        // 1.99 MiB counts as 1; a flag left at 1 starts with the normal picture; a failed query reads as 0 free
        {{0, 0, 0, 0, 0, 1}, 2 * kMiB - 1, 0, "WnWn"}, {{0, 0, 0, 0, 0, 1}, 2 * kMiB, 0, "nnnn"},
        {{0, 0, 0, 0, 0, 1}, 2 * kMiB, 1, "nnnn"}, {{0, 0, 0, 0, 0, 1}, kMiB, 1, "nWnW"},
        {{0, 0, 0, 0, 0, 1}, -1, 0, "WnWn"},
        {{1, 2, 3, 4, 5, 6}, 126'409 * kMiB - 1, 0, "WnWn"}, {{1, 2, 3, 4, 5, 6}, 126'409 * kMiB, 0, "nnnn"},
        // each digit is taken as 0..9; all zero turns the warning off
        {{-3, 0, 0, 0, 0, 12}, 10 * kMiB - 1, 0, "WnWn"}, {{-3, 0, 0, 0, 0, 12}, 10 * kMiB, 0, "nnnn"},
        {{0, 0, 0, 0, 0, 0}, 0, 0, "nnnn"}, {{0, 0, 0, 0, 0, 0}, -1, 1, "nnnn"}};
    // clang-format on
    for (const auto& [digits, freeBytes, start, blinks] : cases) {
        BlinkFlag flag = start;
        EXPECT_EQ(Blinks(digits, freeBytes, flag), blinks) << freeBytes;
        EXPECT_EQ(flag, start) << "four calls leave the phase as it was";
    }
}

// Each reading's crossings as the letters told, "-" for none: once per
// crossing, again only after a rise above the line by the margin (1 % of
// the drive, at least 64 MiB).
constexpr int64_t kBig = 100 * 1024 * kMiB, kSmall = 1024 * kMiB;  // margins 1,024 MiB and 64 MiB
constexpr std::array<int32_t, 6> kDigitWeights{102'400, 10'240, 1'024, 100, 10, 1};

TEST(LowSpaceAlerts, TellEachCrossingOnceAndAgainOnlyAfterARiseAboveTheMargin) {
    struct Reading {
        int32_t warningMiB;
        std::vector<WatchedDrive> drives;  // free MiB in freeBytes
    };
    const auto d = [](int64_t freeMiB, char letter = 'D', int64_t total = kBig) {
        return WatchedDrive{letter, {freeMiB * kMiB, total}};
    };
    // clang-format off
    const std::pair<std::vector<Reading>, std::string> cases[] = {
        {{{10000, {d(12000)}}, {10000, {d(10001)}}, {10000, {d(10000)}}, {10000, {d(9876)}}}, "--D-"},  // falling through
        {{{10000, {d(10000)}}, {10000, {d(10001)}}, {10000, {d(10000)}}, {10000, {d(11024)}}, {10000, {d(9999)}}},
         "D----"},  // hovering, up to the margin and no further
        {{{10000, {d(9000)}}, {10000, {d(11025)}}, {10000, {d(9000)}}}, "D-D"},  // above the margin, down again
        {{{100, {d(50, 'E', kSmall)}}, {100, {d(164, 'E', kSmall)}}, {100, {d(50, 'E', kSmall)}},
          {100, {d(165, 'E', kSmall)}}, {100, {d(50, 'E', kSmall)}}}, "E---E"},  // 64 MiB at least
        {{{100, {}}, {100, {d(50, 'F')}}, {100, {d(50, 'F')}}, {100, {}}, {100, {d(50, 'F')}}}, "-F--F"},  // appearing
        {{{10000, {d(9000)}}, {0, {d(9000)}}, {10000, {d(9000)}}, {10000, {d(-1)}}}, "D-D-"},  // off, on; a failed query
        {{{0, {d(0)}}, {10000, {{'D', {}}}}, {10000, {d(0)}}}, "--D"},  // all zero digits; no medium, then one
        {{{5000, {d(9000, 'C'), d(9000)}}, {10000, {d(9000, 'C'), d(9000)}}}, "-CD"},  // the size rose; two at once
    };
    // clang-format on
    for (const auto& [readings, told] : cases) {
        LowSpaceAlerts alerts;
        std::string seen;
        for (const auto& [warningMiB, drives] : readings) {
            WarningDigits digits{};  // the place values give any size below 1,000 GiB
            int32_t rest = warningMiB;
            for (size_t place = 0; place < digits.size(); ++place)
                rest -= (digits[place] = rest / kDigitWeights[place]) * kDigitWeights[place];
            const LowSpaceWarning warning(digits);
            std::string letters;
            for (const WatchedDrive& drive : alerts.Crossings(drives, warning)) letters += drive.letter;
            seen += letters.empty() ? "-" : letters;
        }
        EXPECT_EQ(seen, told);
    }
}

// One drive in kilobytes is the application's test.
TEST(CrossingText, NamesEachDriveInTheTooltipsUnitAsLongAsTheNotificationTakesIt) {
    const WatchedDrive d{'D', {9876 * kMiB, 0}}, e{'E', {1536, 0}};
    EXPECT_EQ(CrossingText({d, e}, DisplayUnit{9}, 10000, u"."),
              u"ドライブ D: の空きが 10.355.736.576 バイト、ドライブ E: の空きが 1.536 バイトになりました（警告: 10.000 メガバイト）");
    const std::u16string many = CrossingText(std::vector<WatchedDrive>(24, d), DisplayUnit::Bytes, 1, u",");
    EXPECT_TRUE(many.size() <= 255 && many.ends_with(u"などになりました（警告: 1 メガバイト）")) << many.size();
}

// The program wakes twice a second: the tray at every beat, the rest at every
// second one, and a display only while it shows.
TEST(RefreshClock, BringsTheTrayUpToDateAtEveryBeatAndTheRestAtEverySecond) {
    using enum Refresh;
    const std::tuple<bool, bool, EnumSet<Refresh>> beats[] = {
        {true, true, {Tray}},   {true, true, {Tray, DriveLetters, Sidebar, SettingsPanel}},
        {true, false, {Tray}},  {false, true, {Tray, DriveLetters, SettingsPanel}},
        {false, false, {Tray}}, {true, false, {Tray, DriveLetters, Sidebar}},
    };
    RefreshClock clock;
    int beat = 0;
    for (const auto& [sidebarShown, panelShown, due] : beats) {
        EXPECT_TRUE(clock.Beat(sidebarShown, panelShown) == due) << "beat " << ++beat;
    }
}

// Windows go in the work area the taskbar and the toolbars leave, wherever it lies.
TEST(WindowPlace, CentresAndPutsInTheLowerRightOfTheWorkArea) {
    const Rect workArea{8, 20, 1280, 760};
    EXPECT_EQ(Centred(workArea, {400, 300}), (Point{444, 240}));
    EXPECT_EQ(AtLowerRight(workArea, {400, 300}, {20, 50}), (Point{860, 410}));
}

}  // namespace
}  // namespace kuvano
