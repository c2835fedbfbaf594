#include "help/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <utility>
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

// Numbered from 1, like the lines of the file.
const std::string& Line(size_t number) {
    static const std::vector<std::string> lines = HelpTextLines(HelpFile());
    return lines.at(number - 1);
}

constexpr size_t kLineCount = 106;
constexpr size_t kHistoryFirst = 47;
constexpr size_t kHistoryLast = 105;

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

TEST(HelpFile, SectionHeadingsAreBracketedAndSeparatedByEmptyLines) {
    const std::vector<size_t> expected = {3, 7, 10, 13, 16, 23, 38, 43, 46};
    std::vector<size_t> headings;
    for (size_t number = 1; number <= kLineCount; ++number) {
        if (Line(number).starts_with("【")) headings.push_back(number);
    }
    EXPECT_EQ(headings, expected);
    for (size_t number : headings) {
        EXPECT_TRUE(Line(number).ends_with("】")) << "line " << number;
        EXPECT_EQ(Line(number - 1), "") << "no empty line ends the section before line " << number;
        EXPECT_NE(Line(number + 1), "") << "empty section at line " << number;
    }
}

struct Entry {
    std::string date;
    std::string version;
    std::vector<std::string> lines;
};

std::vector<Entry> ChangeHistory() {
    static const std::regex firstLine(R"((\d{4}/\d{2}/\d{2}) V(\d\.\d) \S.*)");
    std::vector<Entry> entries;
    for (size_t number = kHistoryFirst; number <= kHistoryLast; ++number) {
        std::smatch match;
        if (std::regex_match(Line(number), match, firstLine)) entries.push_back({match[1], match[2], {}});
        if (entries.empty())
            ADD_FAILURE() << "line " << number << " does not start an entry";
        else
            entries.back().lines.push_back(Line(number));
    }
    return entries;
}

TEST(ChangeHistory, ListsEveryVersionOnceInDateOrder) {
    const std::vector<std::string> expected = {
        "2005/08/27 V1.0", "2005/08/29 V1.1", "2005/08/30 V1.2", "2005/08/31 V1.3", "2005/09/03 V1.4",
        "2005/09/04 V1.5", "2005/09/07 V1.6", "2005/09/08 V1.7", "2005/09/17 V1.8", "2005/09/17 V1.9",
        "2005/09/21 V2.0", "2005/09/24 V2.1", "2005/09/24 V2.2", "2005/09/25 V2.3", "2005/10/01 V2.4",
        "2005/10/01 V2.5", "2005/10/30 V2.6", "2005/12/31 V2.7", "2006/04/23 V2.8", "2008/07/19 V2.9",
        "2008/07/20 V3.0", "2020/04/25 V3.1", "2020/05/07 V3.2", "2020/05/08 V3.3", "2020/05/10 V3.4",
        "2020/05/17 V3.5", "2024/04/15 V3.6", "2024/08/29 V4.0", "2024/08/30 V4.1", "2024/09/01 V4.2",
        "2024/09/21 V4.3",
    };
    std::vector<std::string> actual;
    for (const Entry& entry : ChangeHistory()) actual.push_back(entry.date + " V" + entry.version);
    EXPECT_EQ(actual, expected);
}

TEST(ChangeHistory, ContinuationsAreIndentedByTwoUpToV27AndNotAfter) {
    static const std::regex startsWithDate(R"(\s*\d{4}/\d{2}/\d{2}.*)");
    for (const Entry& entry : ChangeHistory()) {
        // Versions are all "d.d", so they compare correctly as text.
        const std::string_view indent = entry.version <= "2.7" ? "  " : "";
        for (size_t i = 1; i < entry.lines.size(); ++i) {
            const std::string& line = entry.lines[i];
            EXPECT_TRUE(line.starts_with(indent)) << line;
            EXPECT_TRUE(line.size() > indent.size() && line[indent.size()] != ' ')
                << "V" << entry.version << ": " << line;
            EXPECT_FALSE(std::regex_match(line, startsWithDate)) << line;
        }
    }
}

TEST(ChangeHistory, QuotedEntriesAreVerbatim) {
    const std::pair<std::string, std::vector<std::string>> quoted[] = {
        {"1.9", {"2005/09/17 V1.9 設定パネル内で、ドライブのボリューム名も表示できる", "  ようになりました。"}},
        {"2.3", {"2005/09/25 V2.3 空き容量を示すグラフ模様の段階を16から14に仕様変更。"}},
        {"2.6", {"2005/10/30 V2.6 空き容量の警告サイズを設定できるようになりました。"}},
        {"4.2",
         {"2024/09/01 V4.2 各グラフをクリックしたら、そのドライブを選択した状態で",
          "エクスプローラを開けるようにした。棒グラフの時のタスクバーの幅を5ピクセルから", "8ピクセルに変更。"}},
        {"4.3", {"2024/09/21 V4.3 ドライブの容量のヒント表示を「空き」から「空き/全」に変更。"}},
    };
    const std::vector<Entry> entries = ChangeHistory();
    for (const auto& [version, lines] : quoted) {
        const auto found =
            std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.version == version; });
        ASSERT_NE(found, entries.end()) << "V" << version;
        EXPECT_EQ(found->lines, lines) << "V" << version;
    }
}

}  // namespace
}  // namespace kuvano
