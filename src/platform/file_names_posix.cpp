#include "platform/file_names_posix.h"

namespace kuvano {
namespace {

constexpr char16_t kBackslashInName = 0xF05C;
constexpr char16_t kEscapedByte = 0xDC00;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence at the start of bytes, or 0 when it is not
// valid: no overlong forms, no surrogates, nothing beyond U+10FFFF.
size_t SequenceLength(std::string_view bytes) {
    const auto at = [&bytes](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    }
    if (length == 0 || bytes.size() < length || at(1) < low || at(1) > high) return 0;
    for (size_t i = 2; i < length; ++i) {
        if (!IsContinuation(at(i))) return 0;
    }
    return length;
}

char32_t Decode(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    char32_t point = lead & (0x7F >> sequence.size());
    for (size_t i = 1; i < sequence.size(); ++i) point = point << 6 | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    return point;
}

void AppendUtf16(char32_t point, std::u16string& out) {
    if (point < 0x10000) {
        out.push_back(static_cast<char16_t>(point));
        return;
    }
    point -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
}

void AppendUtf8(char32_t point, std::string& out) {
    if (point < 0x80) {
        out.push_back(static_cast<char>(point));
    } else if (point < 0x800) {
        out.push_back(static_cast<char>(0xC0 | point >> 6));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else if (point < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | point >> 12));
        out.push_back(static_cast<char>(0x80 | (point >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | point >> 18));
        out.push_back(static_cast<char>(0x80 | (point >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    }
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void WindowsNameFromPosix(std::string_view bytes, std::u16string& name) {
    name.clear();
    for (size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            name.push_back(byte == '\\' ? kBackslashInName : static_cast<char16_t>(byte));
            ++i;
            continue;
        }
        const size_t length = SequenceLength(bytes.substr(i));
        const char32_t point = length == 0 ? 0 : Decode(bytes.substr(i, length));
        if (length == 0 || point == kBackslashInName) {
            name.push_back(static_cast<char16_t>(kEscapedByte + byte));
            ++i;
            continue;
        }
        AppendUtf16(point, name);
        i += length;
    }
}

std::string PosixPathFromWindows(std::u16string_view path) {
    std::string out;
    out.reserve(path.size() + path.size() / 2);
    for (size_t i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i];
        if (unit == u'\\') {
            out.push_back('/');
        } else if (unit == kBackslashInName) {
            out.push_back('\\');
        } else if (IsHighSurrogate(unit) && i + 1 < path.size() && IsLowSurrogate(path[i + 1])) {
            AppendUtf8(static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10 | (path[i + 1] - 0xDC00))), out);
            ++i;
        } else if (unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF) {
            out.push_back(static_cast<char>(unit - kEscapedByte));
        } else {
            // A lone surrogate that no name read from disk holds.
            AppendUtf8(IsHighSurrogate(unit) || IsLowSurrogate(unit) ? 0xFFFD : unit, out);
        }
    }
    return out;
}

}  // namespace kuvano
