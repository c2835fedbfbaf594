#include "settings_panel/drive_line.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

TEST(SpacePattern, UsedStepsAsOThenFreeStepsAsHyphens) {
    EXPECT_EQ(SpacePattern(0), u"oooooooooooooo");
    EXPECT_EQ(SpacePattern(4), u"oooooooooo----");
    EXPECT_EQ(SpacePattern(13), u"o-------------");
    EXPECT_EQ(SpacePattern(14), u"--------------");  // the warning frame
}

TEST(DriveLine, ShowsTheDriveInEachUnit) {
    constexpr int64_t kMiB = 1'048'576;
    struct Case {
        int32_t tani;
        int64_t freeBytes, totalBytes;
        int32_t level;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {2, 12'288 * kMiB, 40'960 * kMiB, 4, u"C oooooooooo---- 空き=約12,288/40,960メガバイト Local Disk (C:)"},
        {0, 1'234'567, 9'876'543, 2, u"C oooooooooooo-- 空き=1,234,567/9,876,543バイト Local Disk (C:)"},
        {1, 1'023, 4'096, 4, u"C oooooooooo---- 空き=約0/4キロバイト Local Disk (C:)"},
        {3, 5'905'580'032, 64'424'509'440, 1, u"C ooooooooooooo- 空き=約5/60ギガバイト Local Disk (C:)"},
        {7, 1'234, 5'678, 3, u"C ooooooooooo--- 空き=1,234/5,678バイト Local Disk (C:)"},  // unknown unit: bytes
        {3, 0, 0, 14, u"C -------------- 空き=約0/0ギガバイト Local Disk (C:)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DriveLine('C', c.tani, c.freeBytes, c.totalBytes, c.level, u"Local Disk (C:)", u","), c.expected)
            << c.tani;
    }
    EXPECT_EQ(DriveLine('E', 0, 1, 2, 7, u"", u","), u"E ooooooo------- 空き=1/2バイト ");
}

}  // namespace
}  // namespace kuvano
