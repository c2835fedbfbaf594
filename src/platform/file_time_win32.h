#pragma once

#include <windows.h>

#include <cstdint>

namespace kuvano {

// The core keeps a FILETIME as one 64-bit count of 100 ns intervals.
inline uint64_t FileTimeValue(const FILETIME& time) {
    return uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
}

inline FILETIME AsFileTime(uint64_t value) {
    return {static_cast<DWORD>(value & 0xFFFFFFFF), static_cast<DWORD>(value >> 32)};
}

}  // namespace kuvano
