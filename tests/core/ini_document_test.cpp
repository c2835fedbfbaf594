#include "core/ini_document.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

std::optional<std::string> ValueIn(std::string_view file, std::string_view section, std::string_view key) {
    return IniDocument::Parse(file).Value(section, key);
}

std::string AfterSet(std::string_view file, std::string_view section, std::string_view key, std::string_view value) {
    IniDocument document = IniDocument::Parse(file);
    document.SetValue(section, key, value);
    return document.Serialize();
}

TEST(IniDocumentValue, FindsKeysAsTheProfileFunctionsDo) {
    struct Case {
        std::string file;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"[setei]\r\ntani=2\r\n", "2"},
        {"[SETEI]\r\nTANI=2\r\n", "2"},                // case-insensitive names
        {"[setei]\ntani=2\n", "2"},                    // LF only
        {"[setei]\r\n  \t tani \t =  2 \t\r\n", "2"},  // blanks around name and value
        {"  [setei]  \r\ntani=2", "2"},                // indented header, no final newline
        {"[setei] ; note\r\ntani=2\r\n", "2"},         // text after "]" is ignored
        {"[setei]\r\ntani=\"2\"\r\n", "2"},            // one pair of quotes removed
        {"[setei]\r\ntani='2'\r\n", "2"},
        {"[setei]\r\ntani=\"\"2\"\"\r\n", "\"2\""},
        {"[setei]\r\ntani=\"2'\r\n", "\"2'"},  // quotes must match
        {"[setei]\r\ntani=\"\r\n", "\""},      // a lone quote stays
        {"[setei]\r\ntani=\"\"\r\n", ""},
        {"[setei]\r\ntani= \" 2 \" \r\n", " 2 "},
        {"[setei]\r\ntani=\r\n", ""},                               // present but empty
        {"[setei]\r\ntani=1=2\r\n", "1=2"},                         // the first "=" splits
        {"[setei]\r\ntani=2 ; comment\r\n", "2 ; comment"},         // no comments after values
        {"[setei]\r\ntani=2\r\ntani=3\r\n", "2"},                   // the first duplicate key wins
        {"[setei]\r\nx=1\r\n[setei]\r\ntani=3\r\n", std::nullopt},  // only the first copy of a section counts
        {"[setei]\r\ntani=2\r\n[setei]\r\ntani=3\r\n", "2"},
        {"[setei]\r\n;tani=2\r\n", std::nullopt},  // comment line
        {"[setei]\r\n  ;tani=2\r\n", std::nullopt},
        {"[setei]\r\n#tani=2\r\n", std::nullopt},  // "#" starts a key named "#tani"
        {"[setei]\r\ntani\r\n", std::nullopt},     // no "=": the default applies
        {"tani=2\r\n[setei]\r\n", std::nullopt},   // before any section
        {"[setei\r\ntani=2\r\n", std::nullopt},    // no "]": not a section
        {"[ setei ]\r\ntani=2\r\n", "2"},          // blanks inside brackets are trimmed
        {"[setei]]\r\ntani=2\r\n", std::nullopt},  // up to the last "]"
        {"[setei]\r\ntani=2\x1A\r\n", "2"},        // ^Z is a blank
        {"[setei]\rtani=2\rsyurui=1\r", "2"},      // a lone CR ends a line too
        {"[setei]\n\rtani=2\r\r\n", "2"},
        {"[setei]\r\ntani=2\0junk\r\n"s, "2"},  // a NUL ends the value
        {"[setei]\r\ntani\0junk=2\r\n"s, "2"},  // and the name
        {"[setei\0x]\r\ntani=2\r\n"s, "2"},     // a section name ends at a NUL too
        {"[set\0ei]\r\ntani=2\r\n"s, std::nullopt},
        {"[setei]\r\ntani=\"2\0\"\r\n"s, "\"2"},  // quotes are looked for up to the NUL
        {"", std::nullopt},
        {"[setei]", std::nullopt},
        {"\xEF\xBB\xBF[setei]\r\ntani=2\r\n", std::nullopt},  // a UTF-8 mark is text, so no header
    };
    for (const Case& c : cases) EXPECT_EQ(ValueIn(c.file, "setei", "tani"), c.expected) << c.file;
}

TEST(IniDocumentValue, NeverMatchesAnEmptyName) {
    EXPECT_EQ(ValueIn("[]\r\n=1\r\n", "", ""), std::nullopt);
    EXPECT_EQ(ValueIn("[s]\r\n=1\r\n", "s", ""), std::nullopt);
}

TEST(IniDocumentValue, ReadsUtf16FilesWithAByteOrderMark) {
    const std::string file = "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\x42\x30\r\0\n\0"s;  // k=U+3042
    EXPECT_EQ(ValueIn(file, "s", "k"), "\xE3\x81\x82");
}

TEST(IniDocumentSetValue, CreatesTheFileWithCrLfLines) {
    IniDocument document;
    document.SetValue("setei", "drivenam", "C");
    document.SetValue("setei", "tani", "3");
    document.SetValue("keikoku", "tenm1", "0");
    EXPECT_EQ(document.Serialize(), "[setei]\r\ndrivenam=C\r\ntani=3\r\n[keikoku]\r\ntenm1=0\r\n");
}

TEST(IniDocumentSetValue, UpdatesInPlaceAndKeepsEverythingElse) {
    struct Case {
        std::string_view before;
        std::string_view after;
    };
    const Case cases[] = {
        // a changed value rewrites only its own line, keeping the name's spelling
        {"; mine\r\n[setei]\r\n  TANI = 2 \r\nsyurui=1\r\n\r\n[other]\r\nx = y\r\n",
         "; mine\r\n[setei]\r\nTANI=5\r\nsyurui=1\r\n\r\n[other]\r\nx = y\r\n"},
        // an unchanged value leaves the line as it was written
        {"[setei]\r\n  tani = 5 \r\n", "[setei]\r\n  tani = 5 \r\n"},
        {"[setei]\r\ntani=\"5\"\r\n", "[setei]\r\ntani=5\r\n"},
        // LF files stay LF
        {"[setei]\ntani=2\n", "[setei]\ntani=5\n"},
        // a key line without "=" takes the value
        {"[setei]\r\ntani\r\n", "[setei]\r\ntani=5\r\n"},
        // the first of duplicate keys and the first copy of a section
        {"[setei]\r\ntani=1\r\ntani=2\r\n[setei]\r\ntani=3\r\n",
         "[setei]\r\ntani=5\r\ntani=2\r\n[setei]\r\ntani=3\r\n"},
        // no final newline
        {"[setei]\r\ntani=2", "[setei]\r\ntani=5"},
        // text after a NUL in the value is dropped with the change
        {"[setei]\r\ntani=2\0x\r\n"sv, "[setei]\r\ntani=5\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AfterSet(std::string(c.before), "setei", "tani", "5"), c.after) << c.before;
    }
}

TEST(IniDocumentSetValue, AppendsAMissingKeyAtTheEndOfItsSection) {
    struct Case {
        std::string_view before;
        std::string_view after;
    };
    const Case cases[] = {
        {"[setei]\r\nx=1\r\n\r\n[other]\r\n", "[setei]\r\nx=1\r\ntani=5\r\n\r\n[other]\r\n"},
        {"[setei]\r\n\r\n[other]\r\n", "[setei]\r\ntani=5\r\n\r\n[other]\r\n"},
        {"[setei]\r\nx=1\r\n; trailing note\r\n[other]\r\n",
         "[setei]\r\nx=1\r\n; trailing note\r\ntani=5\r\n[other]\r\n"},
        {"[setei]\r\nx=1", "[setei]\r\nx=1\r\ntani=5\r\n"},
        {"[setei]\nx=1", "[setei]\nx=1\ntani=5\n"},
        {"[setei]", "[setei]\r\ntani=5\r\n"},
        {"[SETEI]\r\n", "[SETEI]\r\ntani=5\r\n"},
        {"[setei]\r\n;tani=1\r\n", "[setei]\r\n;tani=1\r\ntani=5\r\n"},
        {"[setei]\r\nx=1\r\n[setei]\r\ny=1\r\n", "[setei]\r\nx=1\r\ntani=5\r\n[setei]\r\ny=1\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AfterSet(c.before, "setei", "tani", "5"), c.after) << c.before;
    }
}

TEST(IniDocumentSetValue, AppendsAMissingSectionAtTheEnd) {
    struct Case {
        std::string_view before;
        std::string_view after;
    };
    const Case cases[] = {
        {"", "[setei]\r\ntani=5\r\n"},
        {"[other]\r\nx=1\r\n", "[other]\r\nx=1\r\n[setei]\r\ntani=5\r\n"},
        {"[other]\r\nx=1\r\n\r\n", "[other]\r\nx=1\r\n\r\n[setei]\r\ntani=5\r\n"},
        {"[other]\r\nx=1", "[other]\r\nx=1\r\n[setei]\r\ntani=5\r\n"},
        {"[other]\nx=1\n", "[other]\nx=1\n[setei]\ntani=5\n"},
        {"; only a comment", "; only a comment\r\n[setei]\r\ntani=5\r\n"},
        {"[ setei ]\r\n", "[ setei ]\r\ntani=5\r\n"},
        {"[other]\rx=1", "[other]\rx=1\r[setei]\rtani=5\r"},  // old Mac line endings stay
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AfterSet(c.before, "setei", "tani", "5"), c.after) << c.before;
    }
}

TEST(IniDocumentSetValue, WritesUtf16FilesBackAsUtf16) {
    const std::string before = "\xFF\xFE[\0s\0]\0\r\0\n\0"s;
    EXPECT_EQ(AfterSet(before, "s", "k", "1"), "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0001\0\r\0\n\0"s);
}

TEST(IniDocumentSerialize, ReturnsAnUntouchedFileByteForByte) {
    const std::string files[] = {
        "",
        "\r\n\r\n",
        "no newline",
        "[a]\r\n\r\n  ; comment\r\nk = v \r\n\n\n[b]\nx\r\n\x1A",
        "\xEF\xBB\xBF[a]\r\nk=v\r\n",
        "binary\0\xFF\xFE\x80\r\r\n"s,
        "\xFF\xFE[\0a\0]\0\r\0\n\0\x00\xD8"s,  // UTF-16 with an unpaired surrogate
    };
    for (const std::string& file : files) EXPECT_EQ(IniDocument::Parse(file).Serialize(), file);
}

}  // namespace
}  // namespace kuvano
