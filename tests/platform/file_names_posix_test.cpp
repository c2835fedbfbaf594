#include "platform/file_names_posix.h"
#include "platform/name_mask_posix.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kuvano {
namespace {

// Names that are not UTF-8, or hold a backslash, which the engine takes for a
// separator, come back to their bytes. (The benchmark checks what the lister
// counts against find on each run.)
TEST(FileNamesPosix, EveryNameLeadsBackToItsBytes) {
    const std::pair<std::string, std::u16string> names[] = {
        {"😀日本語\xf0\x90\x80\x80", u"😀日本語\U00010000"},
        {"a\\b",
         u"a\xF05C"
         u"b"},
        {"\xef\x81\x9c", u"\xDCEF\xDC81\xDC9C"},              // U+F05C itself
        {"\xed\xa0\x80", u"\xDCED\xDCA0\xDC80"},              // an encoded surrogate
        {"\xc0\xaf\xff", u"\xDCC0\xDCAF\xDCFF"},              // overlong, and a byte never in UTF-8
        {"\x80\x80\x80\x80z", u"\xDC80\xDC80\xDC80\xDC80z"},  // continuations without a lead
        {"\xf5\x80\x80\x80", u"\xDCF5\xDC80\xDC80\xDC80"},    // beyond U+10FFFF
    };
    for (const auto& [bytes, name] : names) {
        std::u16string read;
        WindowsNameFromPosix(bytes, read);
        EXPECT_EQ(read, name) << bytes;
        EXPECT_EQ(PosixPathFromWindows(read + u"\\x"), bytes + "/x");
    }
}

// As the system matches a find mask: "*" any run, "?" one unit, letters in any case.
TEST(NameMask, MatchesAsTheSystemsFindFunctionsDo) {
    const NameMask mask;
    // clang-format off
    const std::tuple<std::u16string_view, std::u16string_view, bool> cases[] = {
        {u"*.*", u"x", true}, {u"*1.txt", u"b1.txt", true}, {u"*1.txt", u"b2.txt", false}, {u"a?c", u"abc", true},
        {u"a?c", u"ac", false}, {u"A*", u"ÄbC", false}, {u"ä*", u"ÄBC", true}, {u"*b*c", u"abxbc", true},
        {u"a**", u"a", true}, {u"abc", u"abcd", false}, {u"*", u"", true}, {u"a*c*", u"ab", false}};
    // clang-format on
    for (const auto& [pattern, name, matches] : cases) {
        EXPECT_EQ(mask.Matches(pattern, name), matches) << std::string(pattern.begin(), pattern.end());
    }
}

}  // namespace
}  // namespace kuvano
