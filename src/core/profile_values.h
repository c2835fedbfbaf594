#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kuvano {

// How the settings layer turns the text of a key into a value. The system's
// profile-integer function decodes differently, so it is never used.

// Decimal with an optional sign, or "0x"/"0X" followed by hexadecimal digits
// giving a 32-bit pattern (0xFFFFFFFF is -1). Anything else, including a
// decimal outside the 32-bit range, is not a number.
std::optional<int32_t> ParseProfileInteger(std::string_view text);

// A string value keeps at most this many characters.
inline constexpr size_t kMaxProfileStringLength = 2047;

std::string ProfileStringOrDefault(const std::optional<std::string>& text, std::string_view defaultValue);
int32_t ProfileIntegerOrDefault(const std::optional<std::string>& text, int32_t defaultValue);
bool ProfileBooleanOrDefault(const std::optional<std::string>& text, bool defaultValue);

std::string FormatProfileInteger(int32_t value);
std::string FormatProfileBoolean(bool value);

}  // namespace kuvano
