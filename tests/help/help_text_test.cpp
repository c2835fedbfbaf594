#include "help/help_text.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

TEST(HelpTextLines, SplitsAtCrLfOrBareLfButNotAtALoneCr) {
    EXPECT_EQ(HelpTextLines("a\r\n\r\nb\nc\r\n"), (std::vector<std::string>{"a", "", "b", "c"}));
    EXPECT_EQ(HelpTextLines("a\rb\r"), std::vector<std::string>{"a\rb\r"});
    EXPECT_EQ(HelpTextLines(""), std::vector<std::string>{});
}

}  // namespace
}  // namespace kuvano
