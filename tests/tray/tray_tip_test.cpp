#include "tray/tray_tip.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

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
