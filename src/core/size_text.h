#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings.h"

namespace kuvano {

inline constexpr int64_t kBytesPerMiB = 1'048'576;

// Bytes in the unit (1,024-based), truncated toward zero; a unit with no
// name counts in bytes. Integer
// division gives exactly what extended-precision division and truncation give,
// since every 64-bit count and every power-of-two quotient is exact there.
int64_t BytesInUnit(int64_t bytes, DisplayUnit unit);

// The unit's word: "バイト", "キロバイト", "メガバイト", "ギガバイト"; bytes
// for a unit with no name.
std::u16string_view UnitWord(DisplayUnit unit);

// "約" (about) before a count in a unit that rounds, KB, MB or GB; nothing
// before bytes.
std::u16string_view AboutMark(DisplayUnit unit);

// "#,##0": digits grouped by threes with the locale's thousands separator.
std::u16string FormatGrouped(int64_t value, std::u16string_view thousandsSeparator);

// "000,000": as FormatGrouped, with at least six digits.
std::u16string FormatGroupedSixDigits(int64_t value, std::u16string_view thousandsSeparator);

}  // namespace kuvano
