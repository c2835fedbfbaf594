#pragma once

#include <cstdint>
#include <optional>

namespace kuvano {

// A DOS date-time: date in the high 16 bits (year - 1980, month, day), time
// in the low 16 bits (hours, minutes, seconds / 2).
inline constexpr uint32_t kEarliestDosDateTime = 0x00210000;  // 1980-01-01 00:00:00
inline constexpr uint32_t kLatestDosDateTime = 0xEF9FBF7D;    // 2099-12-31 23:59:58

// The same moment as a file time (100 ns ticks since 1601-01-01), in the same
// time zone; nothing for a date that does not exist.
std::optional<uint64_t> FileTimeFromDosDateTime(uint32_t dosDateTime);

// Whole seconds rounded down to even; nothing outside the years 1980..2107.
std::optional<uint32_t> DosDateTimeFromFileTime(uint64_t fileTime);

}  // namespace kuvano
