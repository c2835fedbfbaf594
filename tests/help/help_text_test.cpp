#include "help/help_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kuvano {
namespace {

TEST(HelpTextLines, SplitsAtCrLfOrBareLf) {
    struct Case {
        std::string_view text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\rb\r", {"a\rb\r"}},  // a CR without LF ends nothing
    };
    for (const Case& c : cases) EXPECT_EQ(HelpTextLines(c.text), c.expected) << testing::PrintToString(c.text);
}

const std::string& HelpFile() {
    static const std::string bytes = [] {
        std::ifstream file(KUVANO_HELP_TEXT_PATH, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    return bytes;
}

constexpr size_t kLineCount = 106;

TEST(HelpFile, Has106CrLfLinesAndNoByteOrderMark) {
    const std::string& bytes = HelpFile();
    ASSERT_FALSE(bytes.empty()) << "cannot read " << KUVANO_HELP_TEXT_PATH;
    EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF"));
    const std::vector<std::string> lines = HelpTextLines(bytes);
    EXPECT_EQ(lines.size(), kLineCount);
    // Rejoining with CR LF gives the file back only if every line ended so.
    std::string rejoined;
    for (const std::string& line : lines) rejoined += line + "\r\n";
    EXPECT_EQ(rejoined, bytes);
}

}  // namespace
}  // namespace kuvano
