#include "platform/local_time_win32.h"

#include <windows.h>

namespace kuvano {
namespace {

FILETIME AsFileTime(uint64_t value) {
    return {static_cast<DWORD>(value & 0xFFFFFFFF), static_cast<DWORD>(value >> 32)};
}

uint64_t AsValue(const FILETIME& time) {
    return uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
}

}  // namespace

uint64_t LocalTimeWin32::LocalToUtc(uint64_t localFileTime) const {
    const FILETIME local = AsFileTime(localFileTime);
    FILETIME utc{};
    LocalFileTimeToFileTime(&local, &utc);
    return AsValue(utc);
}

uint64_t LocalTimeWin32::UtcToLocal(uint64_t utcFileTime) const {
    const FILETIME utc = AsFileTime(utcFileTime);
    FILETIME local{};
    FileTimeToLocalFileTime(&utc, &local);
    return AsValue(local);
}

uint64_t LocalTimeWin32::NowLocal() const {
    FILETIME utc{};
    GetSystemTimeAsFileTime(&utc);
    return UtcToLocal(AsValue(utc));
}

}  // namespace kuvano
