#include "tray/tray_tip.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

TEST(TrayTooltip, GivesTheFreeSpaceInTheChosenUnit) {
    struct Case {
        std::string_view drive;
        int32_t tani;
        int64_t freeBytes;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"C", 3, 5'905'580'032, u"Cドライブ空き=約5ギガバイト"},
        {"C", 0, 5'905'580'032, u"Cドライブ空き=5,905,580,032バイト"},
        {"C", 0, 1'234'567, u"Cドライブ空き=1,234,567バイト"},
        {"C", 1, 1'023, u"Cドライブ空き=約0キロバイト"},
        {"C", 1, 1'024, u"Cドライブ空き=約1キロバイト"},
        {"D", 2, 5'905'580'032, u"Dドライブ空き=約5,632メガバイト"},
        {"E", 3, 0, u"Eドライブ空き=約0ギガバイト"},
        {"C", 7, 1'234, u"Cドライブ空き=1,234バイト"},  // unknown units count in bytes
        {"C", -1, 999, u"Cドライブ空き=999バイト"},
        {"\\", 3, 0, u"\\ドライブ空き=約0ギガバイト"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrayTooltip(c.drive, c.tani, c.freeBytes, u","), c.expected) << c.tani << " " << c.freeBytes;
    }
    EXPECT_EQ(TrayTooltip("C", 0, 1'234'567, u"."), u"Cドライブ空き=1.234.567バイト");
}

TEST(TrayTipText, KeepsAtMost63CharactersAndNeverHalfAPair) {
    const std::u16string pair = u"\U0001F600";  // one character, two units
    struct Case {
        std::u16string tip;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"", u""},
        {u"Kuvano", u"Kuvano"},
        {std::u16string(63, u'a'), std::u16string(63, u'a')},
        {std::u16string(64, u'a'), std::u16string(63, u'a')},
        {std::u16string(100, u'ド'), std::u16string(63, u'ド')},
        {std::u16string(62, u'a') + pair + u"b", std::u16string(62, u'a') + pair},
        {std::u16string(63, u'a') + pair, std::u16string(63, u'a')},
        {[&] {
             std::u16string s;
             for (int i = 0; i < 70; ++i) s += pair;
             return s;
         }(),
         [&] {
             std::u16string s;
             for (int i = 0; i < 63; ++i) s += pair;
             return s;
         }()},
        {std::u16string(62, u'a') + u"\xD83D" + u"bc",
         std::u16string(62, u'a') + u"\xD83D"},  // a lone surrogate is one unit
    };
    for (const Case& c : cases) EXPECT_EQ(TrayTipText(c.tip), c.expected) << c.tip.size();
}

}  // namespace
}  // namespace kuvano
