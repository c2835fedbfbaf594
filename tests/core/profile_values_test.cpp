#include "core/profile_values.h"

#include <gtest/gtest.h>

#include <limits>

namespace kuvano {
namespace {

TEST(ParseProfileInteger, ReadsSignedDecimalAndHexadecimal) {
    struct Case {
        std::string_view text;
        std::optional<int32_t> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"7", 7},
        {"-5", -5},
        {"+5", 5},
        {"-0", 0},
        {"00012", 12},
        {"2147483647", std::numeric_limits<int32_t>::max()},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"12632256", 0xC0C0C0},
        {"0x1", 1},
        {"0X1f", 31},
        {"0xC0C0C0", 0xC0C0C0},
        {"0x7FFFFFFF", std::numeric_limits<int32_t>::max()},
        {"0xFFFFFFFF", -1},         // a 32-bit pattern
        {"0x0000000000000001", 1},  // leading zeros are not range
    };
    for (const Case& c : cases) EXPECT_EQ(ParseProfileInteger(c.text), c.expected) << c.text;
}

TEST(ParseProfileInteger, RejectsWhatIsNotANumber) {
    const std::string_view cases[] = {
        "",
        "-",
        "+",
        "abc",
        "true",
        "yes",
        "12a",
        "1 2",
        " 1",
        "1 ",
        "--1",
        "+-1",
        "0x",  // only two characters: not hexadecimal, and not decimal either
        "0X",
        "0xg",
        "0x-1",
        "-0x10",  // a sign goes with decimal only
        "$10",
        "1.5",
        "1e3",
        "2147483648",  // outside 32 bits
        "-2147483649",
        "99999999999999999999999",
        "0x100000000",
        "0x1FFFFFFFF",
        std::string_view("1\0", 2),
    };
    for (std::string_view text : cases) EXPECT_EQ(ParseProfileInteger(text), std::nullopt) << text;
}

TEST(ProfileValueDefaults, BooleansAreNonZeroNumbers) {
    EXPECT_TRUE(ProfileBooleanOrDefault("-1", false));
    EXPECT_FALSE(ProfileBooleanOrDefault("0", true));
    EXPECT_TRUE(ProfileBooleanOrDefault("false", true));  // not a number: the default
    EXPECT_FALSE(ProfileBooleanOrDefault("", false));
}

TEST(ProfileValueDefaults, StringsKeepAtMost2047Characters) {
    EXPECT_EQ(ProfileStringOrDefault(std::string(2047, 'x'), "C").size(), 2047u);
    EXPECT_EQ(ProfileStringOrDefault(std::string(2048, 'x'), "C").size(), 2047u);
    EXPECT_EQ(ProfileStringOrDefault(std::string(100'000, 'x'), "C").size(), 2047u);
    // A number is read from the text as the string reader returns it.
    EXPECT_EQ(ProfileIntegerOrDefault("5" + std::string(3000, '0'), 3), 3);
}

}  // namespace
}  // namespace kuvano
