#include "core/size_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace kuvano {
namespace {

TEST(BytesInUnit, DividesBy1024PowersAndTruncates) {
    struct Case {
        int64_t bytes;
        int32_t tani;
        int64_t expected;
    };
    const Case cases[] = {
        {1'234'567, 0, 1'234'567},
        {1023, 1, 0},
        {1024, 1, 1},
        {1'048'575, 2, 0},
        {1'048'576, 2, 1},
        {5'905'580'032, 3, 5},
        {1'073'741'823, 3, 0},
        {std::numeric_limits<int64_t>::max(), 3, 8'589'934'591},
        {-1, 1, 0},  // toward zero, not down
        {-1025, 1, -1},
        {777, 4, 777},  // unknown units count in bytes
        {777, -1, 777},
        {777, 7, 777},
    };
    for (const Case& c : cases) EXPECT_EQ(BytesInUnit(c.bytes, c.tani), c.expected) << c.bytes << " in " << c.tani;
}

TEST(FormatGrouped, GroupsByThreesWithTheGivenSeparator) {
    struct Case {
        int64_t value;
        std::u16string_view separator;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {0, u",", u"0"},
        {999, u",", u"999"},
        {1000, u",", u"1,000"},
        {1'234'567, u",", u"1,234,567"},
        {5'905'580'032, u",", u"5,905,580,032"},
        {-1234, u",", u"-1,234"},
        {-999, u",", u"-999"},
        {std::numeric_limits<int64_t>::min(), u",", u"-9,223,372,036,854,775,808"},
        {std::numeric_limits<int64_t>::max(), u".", u"9.223.372.036.854.775.807"},
        {1'234'567, u"", u"1234567"},
        {1'234'567, u"\u00A0", u"1\u00A0234\u00A0567"},
        {1'234'567, u"'''", u"1'''234'''567"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatGrouped(c.value, c.separator), c.expected) << c.value;
}

TEST(FormatGroupedSixDigits, PadsToSixDigitsBeforeGrouping) {
    struct Case {
        int64_t value;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {0, u"000,000"},       {7, u"000,007"},           {1234, u"001,234"},
        {999'999, u"999,999"}, {1'000'000, u"1,000,000"}, {-1234, u"-001,234"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatGroupedSixDigits(c.value, u","), c.expected) << c.value;
}

}  // namespace
}  // namespace kuvano
