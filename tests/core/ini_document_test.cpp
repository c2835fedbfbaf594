#include "core/ini_document.h"
#include "core/ini_text_encoding.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

using namespace std::string_literals;

// Every character the profile functions take for a blank inside a line.
const std::string kB = " \t\v\f\x1A";

TEST(IniDocumentValue, FindsKeysAsTheProfileFunctionsDo) {
    // clang-format off
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"[setei]\r\ntani=2\r\n", "2"}, {"[SETEI]\r\nTANI=2\r\n", "2"}, {"[setei]\ntani=2\n", "2"},
        {kB + "[" + kB + "setei" + kB + "]" + kB + "\r\n" + kB + "tani" + kB + "=" + kB + "2" + kB + "\r\n", "2"},
        {"[setei] ; note\r\ntani=2", "2"},  // text after "]" is ignored
        {"[setei]\r\ntani=\"2\"\r\n", "2"}, {"[setei]\r\ntani='2'\r\n", "2"},  // one pair of quotes removed
        {"[setei]\r\ntani=\"2'\r\n", "\"2'"}, {"[setei]\r\ntani=\"\r\n", "\""}, {"[setei]\r\ntani=\"\"\r\n", ""},
        {"[setei]\r\ntani= \" 2 \" \r\n", " 2 "}, {"[setei]\r\ntani=\r\n", ""}, {"[setei]\r\ntani=1=2\r\n", "1=2"},
        {"[setei]\r\ntani=2 ; c\r\n", "2 ; c"},                     // no comments after values
        {"[setei]\r\ntani=2\r\ntani=3\r\n", "2"},                   // the first duplicate key wins
        {"[setei]\r\nx=1\r\n[setei]\r\ntani=3\r\n", std::nullopt},  // and the first copy of a section
        {"[setei]\r\nx=1\r\n[other]\r\ntani=3\r\n", std::nullopt}, {"[setei]\r\n ;tani=2\r\n", std::nullopt},
        {"[setei]\r\n#tani=2\r\n", std::nullopt},  // "#" starts a key named "#tani"
        {"[setei]\r\ntani\r\n", std::nullopt}, {"tani=2\r\n[setei]\r\n", std::nullopt},
        {"[setei\r\ntani=2\r\n", std::nullopt}, {"[setei]]\r\ntani=2\r\n", std::nullopt},  // up to the last "]"
        {"[setei]\rtani=2\rsyurui=1\r", "2"},  // a lone CR ends a line too
        // a NUL ends a name or value; quotes are looked for up to it
        {"[setei]\r\ntani=2\0junk\r\n"s, "2"}, {"[setei]\r\ntani\0junk=2\r\n"s, "2"},
        {"[setei\0x]\r\ntani=2\r\n"s, "2"}, {"[set\0ei]\r\ntani=2\r\n"s, std::nullopt},
        {"[setei]\r\ntani=\"2\0\"\r\n"s, "\"2"},
        {"\xEF\xBB\xBF[setei]\r\ntani=2\r\n", std::nullopt},  // a UTF-8 mark is text, so no header
        {"\xFF\xFE[\0s\0e\0t\0e\0i\0]\0\r\0\n\0t\0a\0n\0i\0=\0\x42\x30"s, "\xE3\x81\x82"}};  // UTF-16: U+3042
    // clang-format on
    for (const auto& [file, value] : cases) EXPECT_EQ(IniDocument::Parse(file).Value("setei", "tani"), value) << file;
}

TEST(IniDocumentSetValue, UpdatesInPlaceOrAppendsAndKeepsEverythingElse) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        // a changed value rewrites only its own line; an unchanged one stays as written
        {"; a\r\n[setei]\r\n  TANI = 2 \r\nx=1\r\n\r\n[o]\r\nx = y\r\n",
         "; a\r\n[setei]\r\nTANI=5\r\nx=1\r\n\r\n[o]\r\nx = y\r\n"},
        {"[setei]\r\n  tani = 5 \r\n", "[setei]\r\n  tani = 5 \r\n"}, {"[setei]\ntani=2\n", "[setei]\ntani=5\n"},
        {"[setei]\r\ntani=\"5\"\r\n", "[setei]\r\ntani=5\r\n"}, {"[setei]\r\ntani\r\n", "[setei]\r\ntani=5\r\n"},
        {"[setei]\r\ntani=1\r\ntani=2\r\n[setei]\r\ntani=3", "[setei]\r\ntani=5\r\ntani=2\r\n[setei]\r\ntani=3"},
        {"[setei]\r\ntani=2\0x\r\n"s, "[setei]\r\ntani=5\r\n"},
        // a missing key goes after its section's last non-blank line
        {"[setei]\r\nx=1\r\n\r\n[o]\r\n", "[setei]\r\nx=1\r\ntani=5\r\n\r\n[o]\r\n"},
        {"[setei]\r\n\r\n[o]\r\n", "[setei]\r\ntani=5\r\n\r\n[o]\r\n"}, {"[setei]\nx=1", "[setei]\nx=1\ntani=5\n"},
        {"[setei]\r\n; n\r\n[o]\r\n", "[setei]\r\n; n\r\ntani=5\r\n[o]\r\n"}, {"[SETEI]", "[SETEI]\r\ntani=5\r\n"},
        {"[setei]\r\nx=1\r\n[setei]\r\ny=1\r\n", "[setei]\r\nx=1\r\ntani=5\r\n[setei]\r\ny=1\r\n"},
        // a missing section goes at the end, in the file's own line endings
        {"", "[setei]\r\ntani=5\r\n"}, {"[o]\r\nx=1\r\n\r\n", "[o]\r\nx=1\r\n\r\n[setei]\r\ntani=5\r\n"},
        {"[o]\r\nx=1", "[o]\r\nx=1\r\n[setei]\r\ntani=5\r\n"}, {"[o]\nx=1\n", "[o]\nx=1\n[setei]\ntani=5\n"},
        {"[o]\rx=1", "[o]\rx=1\r[setei]\rtani=5\r"},
        {"\xFF\xFE[\0s\0e\0t\0e\0i\0]\0\n\0"s, "\xFF\xFE[\0s\0e\0t\0e\0i\0]\0\n\0t\0a\0n\0i\0=\0005\0\n\0"s}};
    // clang-format on
    for (const auto& [before, after] : cases) {
        IniDocument document = IniDocument::Parse(before);
        document.SetValue("setei", "tani", "5");
        EXPECT_EQ(document.Serialize(), after) << before;
    }
}

TEST(DecodeIniText, ReadsOnlyTheUtf16LittleEndianMarkAndRoundTrips) {
    // clang-format off
    const std::tuple<std::string, IniEncoding, std::string> cases[] = {
        {"\xEF\xBB\xBF[a]", IniEncoding::Bytes, "\xEF\xBB\xBF[a]"},  // the system reads no UTF-8 mark
        {"\xFE\xFF\0[\0a"s, IniEncoding::Bytes, "\xFE\xFF\0[\0a"s},  // nor a big-endian one
        {"\xFF\xFE", IniEncoding::Utf16Le, ""}, {"\xFF\xFE\0\0"s, IniEncoding::Utf16Le, "\0"s},
        {"\xFF\xFE\x7F\0\x80\0\xFF\x07\0\x08\xFF\xFF"s, IniEncoding::Utf16Le,
         "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},
        {"\xFF\xFE\x3D\xD8\x00\xDE\xFF\xDB\xFF\xDF"s, IniEncoding::Utf16Le, "\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"},
        // lone surrogates survive
        {"\xFF\xFE\x00\xDC\x00\xD8"s, IniEncoding::Utf16Le, "\xED\xB0\x80\xED\xA0\x80"},
        {"\xFF\xFE\x00\xD8\x41\x00"s, IniEncoding::Utf16Le, "\xED\xA0\x80" "A"}};
    // clang-format on
    for (const auto& [file, encoding, text] : cases) {
        const DecodedIniText decoded = DecodeIniText(file);
        EXPECT_EQ(decoded.encoding, encoding) << file;
        EXPECT_EQ(decoded.text, text) << file;
        EXPECT_EQ(EncodeIniText(decoded.encoding, decoded.text), file);
    }
    EXPECT_EQ(DecodeIniText("\xFF\xFEk\0\x01"s).text, "k") << "a trailing odd byte is dropped";
    // Only our own edits could put malformed UTF-8 into a UTF-16 file: each
    // byte that is no whole sequence becomes one unit, so none is lost.
    EXPECT_EQ(EncodeIniText(IniEncoding::Utf16Le,
                            "\xC3"
                            "A\xE3\x81"),
              "\xFF\xFE\xC3\0A\0\xE3\0\x81\0"s);
    EXPECT_EQ(EncodeIniText(IniEncoding::Utf16Le, "\xF7\xBF\xBF\xBF\xF8"), "\xFF\xFE\xF7\0\xBF\0\xBF\0\xBF\0\xF8\0"s);
}

}  // namespace
}  // namespace kuvano
