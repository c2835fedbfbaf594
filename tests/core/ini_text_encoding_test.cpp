#include "core/ini_text_encoding.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

using namespace std::string_literals;

TEST(DecodeIniText, OnlyTheUtf16LittleEndianMarkIsRecognised) {
    struct Case {
        std::string file;
        IniEncoding encoding;
        std::string text;
    };
    const Case cases[] = {
        {"", IniEncoding::Bytes, ""},
        {"[a]\r\n", IniEncoding::Bytes, "[a]\r\n"},
        {"\xEF\xBB\xBF[a]", IniEncoding::Bytes, "\xEF\xBB\xBF[a]"},  // the system does not read a UTF-8 mark
        {"\xFE\xFF\0[\0a"s, IniEncoding::Bytes, "\xFE\xFF\0[\0a"s},  // nor a big-endian one
        {"\xFF\xFE", IniEncoding::Utf16Le, ""},
        {"\xFF\xFE[\0a\0]\0"s, IniEncoding::Utf16Le, "[a]"},
        {"\xFF\xFE\x42\x30"s, IniEncoding::Utf16Le, "\xE3\x81\x82"},              // U+3042
        {"\xFF\xFE\x3D\xD8\x00\xDE"s, IniEncoding::Utf16Le, "\xF0\x9F\x98\x80"},  // a surrogate pair
        {"\xFF\xFE\x00\xD8"s, IniEncoding::Utf16Le, "\xED\xA0\x80"},              // an unpaired surrogate survives
        {"\xFF\xFEk\0\x01"s, IniEncoding::Utf16Le, "k"},                          // a trailing odd byte is dropped
        {"\xFF\xFE\0\0"s, IniEncoding::Utf16Le, "\0"s},
    };
    for (const Case& c : cases) {
        const DecodedIniText decoded = DecodeIniText(c.file);
        EXPECT_EQ(decoded.encoding, c.encoding) << c.file;
        EXPECT_EQ(decoded.text, c.text) << c.file;
    }
}

TEST(EncodeIniText, RoundTripsEveryUtf16File) {
    const std::string files[] = {
        "\xFF\xFE"s,
        "\xFF\xFE[\0a\0]\0\r\0\n\0"s,
        "\xFF\xFE\x3D\xD8\x00\xDE"s,
        "\xFF\xFE\x00\xDC\x00\xD8"s,  // reversed surrogates
        "\xFF\xFE\x00\xD8\x41\x00"s,  // high surrogate before a letter
        "\xFF\xFE\xFF\xFF\x00\x00\x80\x00"s,
    };
    for (const std::string& file : files) {
        const DecodedIniText decoded = DecodeIniText(file);
        EXPECT_EQ(EncodeIniText(decoded.encoding, decoded.text), file);
    }
}

TEST(EncodeIniText, MalformedUtf8WrittenIntoAUtf16FileKeepsEveryByte) {
    // Only our own edits could put such bytes there; each becomes one unit.
    EXPECT_EQ(EncodeIniText(IniEncoding::Utf16Le, "\xC3"), "\xFF\xFE\xC3\x00"s);
    EXPECT_EQ(EncodeIniText(IniEncoding::Utf16Le, "\xF7\xBF\xBF\xBF"), "\xFF\xFE\xF7\x00\xBF\x00\xBF\x00\xBF\x00"s);
}

}  // namespace
}  // namespace kuvano
