#pragma once

#include <string>
#include <string_view>

namespace kuvano {

// How a settings file stores its text. The profile functions read a file that
// starts with the UTF-16LE byte-order mark as UTF-16 and every other file as
// bytes of the system code page; they write a file back in the form it had.
enum class IniEncoding { Bytes, Utf16Le };

struct DecodedIniText {
    IniEncoding encoding = IniEncoding::Bytes;
    // For Bytes: the file as it is. For Utf16Le: the units after the mark, as
    // generalised UTF-8, so unpaired surrogates survive a round trip.
    std::string text;
};

DecodedIniText DecodeIniText(std::string_view fileBytes);
std::string EncodeIniText(IniEncoding encoding, std::string_view text);

}  // namespace kuvano
