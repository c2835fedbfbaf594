#include "platform/wall_clock_win32.h"

#include <windows.h>

#include "platform/failure_report.h"

namespace kuvano {
namespace {

// FILETIME counts 100 ns steps from 1601; these are the steps up to 1970.
constexpr int64_t kStepsPerSecond = 10'000'000;
constexpr int64_t kStepsBefore1970 = 116'444'736'000'000'000;

}  // namespace

int64_t WallClockWin32::Now() const {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const int64_t steps = static_cast<int64_t>((static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
    return (steps - kStepsBefore1970) / kStepsPerSecond;
}

// Whether summer time held at that moment counts, not whether it holds now.
LocalTime WallClockWin32::Local(int64_t seconds) const {
    const auto steps = static_cast<uint64_t>(seconds * kStepsPerSecond + kStepsBefore1970);
    const FILETIME moment{static_cast<DWORD>(steps), static_cast<DWORD>(steps >> 32)};
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    if (!FileTimeToSystemTime(&moment, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        ReportFailure(L"wall clock: a local time");
        return {};
    }
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
}

}  // namespace kuvano
