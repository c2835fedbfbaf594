#include "core/ini_text_encoding.h"

#include <cstdint>

namespace kuvano {
namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

void AppendUtf8(std::string& out, char32_t codePoint) {
    auto byte = [&out](uint32_t value) { out.push_back(static_cast<char>(value & 0xFFu)); };
    const uint32_t c = codePoint;
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string Utf16LeToWtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    auto unitAt = [&bytes](size_t i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    };
    const size_t wholeUnits = bytes.size() / 2 * 2;  // a trailing odd byte is not text
    for (size_t i = 0; i < wholeUnits; i += 2) {
        const uint32_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 3 < wholeUnits && IsLowSurrogate(unitAt(i + 2))) {
            const uint32_t low = unitAt(i + 2);
            AppendUtf8(out, static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
            i += 2;
        } else {
            AppendUtf8(out, static_cast<char32_t>(unit));
        }
    }
    return out;
}

// Reads one generalised UTF-8 sequence at text[i]; a malformed byte stands for
// itself, so that no input is ever dropped.
char32_t NextCodePoint(std::string_view text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return lead;
    }
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value > 0x10FFFF) {
        ++i;
        return lead;
    }
    i += length;
    return value;
}

void AppendUtf16Le(std::string& out, uint32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

std::string Wtf8ToUtf16Le(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2 + kUtf16LeMark.size());
    out.append(kUtf16LeMark);
    for (size_t i = 0; i < text.size();) {
        const uint32_t codePoint = NextCodePoint(text, i);
        if (codePoint >= 0x10000) {
            AppendUtf16Le(out, 0xD800 + ((codePoint - 0x10000) >> 10));
            AppendUtf16Le(out, 0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            AppendUtf16Le(out, codePoint);
        }
    }
    return out;
}

}  // namespace

DecodedIniText DecodeIniText(std::string_view fileBytes) {
    if (fileBytes.starts_with(kUtf16LeMark)) {
        return {IniEncoding::Utf16Le, Utf16LeToWtf8(fileBytes.substr(kUtf16LeMark.size()))};
    }
    return {IniEncoding::Bytes, std::string(fileBytes)};
}

std::string EncodeIniText(IniEncoding encoding, std::string_view text) {
    return encoding == IniEncoding::Utf16Le ? Wtf8ToUtf16Le(text) : std::string(text);
}

}  // namespace kuvano
