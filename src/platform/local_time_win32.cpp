#include "platform/local_time_win32.h"

#include <windows.h>

#include "platform/file_time_win32.h"

namespace kuvano {

uint64_t LocalTimeWin32::LocalToUtc(uint64_t localFileTime) const {
    const FILETIME local = AsFileTime(localFileTime);
    FILETIME utc{};
    LocalFileTimeToFileTime(&local, &utc);
    return FileTimeValue(utc);
}

uint64_t LocalTimeWin32::UtcToLocal(uint64_t utcFileTime) const {
    const FILETIME utc = AsFileTime(utcFileTime);
    FILETIME local{};
    FileTimeToLocalFileTime(&utc, &local);
    return FileTimeValue(local);
}

uint64_t LocalTimeWin32::NowLocal() const {
    FILETIME utc{};
    GetSystemTimeAsFileTime(&utc);
    return UtcToLocal(FileTimeValue(utc));
}

}  // namespace kuvano
