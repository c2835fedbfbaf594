#include "help/help_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace kuvano {
namespace {

TEST(HelpTextLines, SplitsAtCrLfOrBareLfButNotAtALoneCr) {
    EXPECT_EQ(HelpTextLines("a\r\n\r\nb\nc\r\n"), (std::vector<std::string>{"a", "", "b", "c"}));
    EXPECT_EQ(HelpTextLines("a\rb\r"), std::vector<std::string>{"a\rb\r"});
}

// The window is given the text as a C string: a NUL byte would cut it short,
// and a byte order mark would show as a stray first character.
TEST(HelpFile, IsFoundAndShownWhole) {
    std::ifstream file(KUVANO_HELP_TEXT_PATH, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(bytes.size(), 1000u) << "cannot read " << KUVANO_HELP_TEXT_PATH;
    EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
}

}  // namespace
}  // namespace kuvano
