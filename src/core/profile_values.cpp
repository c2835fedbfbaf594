#include "core/profile_values.h"

#include <limits>

namespace kuvano {
namespace {

std::optional<uint32_t> HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<uint32_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<uint32_t>(c - 'A' + 10);
    return std::nullopt;
}

std::optional<int32_t> ParseHexadecimal(std::string_view digits) {
    uint64_t value = 0;
    for (char c : digits) {
        const auto digit = HexDigitValue(c);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
        if (value > std::numeric_limits<uint32_t>::max()) return std::nullopt;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    const int64_t limit =
        negative ? -int64_t{std::numeric_limits<int32_t>::min()} : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::optional<int32_t> ParseProfileInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHexadecimal(text.substr(2));
    }
    return ParseDecimal(text);
}

std::string ProfileStringOrDefault(const std::optional<std::string>& text, std::string_view defaultValue) {
    if (!text) return std::string(defaultValue);
    return text->substr(0, kMaxProfileStringLength);
}

int32_t ProfileIntegerOrDefault(const std::optional<std::string>& text, int32_t defaultValue) {
    if (!text) return defaultValue;
    return ParseProfileInteger(ProfileStringOrDefault(text, "")).value_or(defaultValue);
}

bool ProfileBooleanOrDefault(const std::optional<std::string>& text, bool defaultValue) {
    return ProfileIntegerOrDefault(text, defaultValue ? 1 : 0) != 0;
}

std::string FormatProfileInteger(int32_t value) {
    return std::to_string(value);
}

std::string FormatProfileBoolean(bool value) {
    return value ? "1" : "0";
}

}  // namespace kuvano
