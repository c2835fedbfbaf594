#include "folder_size/dos_date_time.h"

namespace kuvano {
namespace {

constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kSecondsPerDay = 86'400;
constexpr int64_t kDaysFrom1601To1970 = 134'774;

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

struct CivilDate {
    int64_t year;
    int64_t month;
    int64_t day;
};

CivilDate CivilFromDays(int64_t days) {
    days += 719'468;
    const int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const int64_t dayOfEra = days - era * 146'097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const int64_t month = monthIndex + (monthIndex < 10 ? 3 : -9);
    return {yearOfEra + era * 400 + (month <= 2), month, day};
}

bool IsLeapYear(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int64_t DaysInMonth(int64_t year, int64_t month) {
    constexpr int64_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<uint64_t> FileTimeFromDosDateTime(uint32_t dosDateTime) {
    const uint32_t date = dosDateTime >> 16;
    const uint32_t time = dosDateTime & 0xFFFF;
    const int64_t year = 1980 + (date >> 9);
    const int64_t month = (date >> 5) & 0x0F;
    const int64_t day = date & 0x1F;
    const int64_t hours = time >> 11;
    const int64_t minutes = (time >> 5) & 0x3F;
    const int64_t seconds = (time & 0x1F) * 2;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hours > 23 || minutes > 59 ||
        seconds > 59) {
        return std::nullopt;
    }
    const int64_t days = DaysFromCivil(year, month, day) + kDaysFrom1601To1970;
    const int64_t totalSeconds = days * kSecondsPerDay + hours * 3600 + minutes * 60 + seconds;
    return static_cast<uint64_t>(totalSeconds * kTicksPerSecond);
}

std::optional<uint32_t> DosDateTimeFromFileTime(uint64_t fileTime) {
    const auto totalSeconds = static_cast<int64_t>(fileTime / kTicksPerSecond);
    const CivilDate date = CivilFromDays(totalSeconds / kSecondsPerDay - kDaysFrom1601To1970);
    if (date.year < 1980 || date.year > 2107) return std::nullopt;
    const int64_t secondsOfDay = totalSeconds % kSecondsPerDay;
    const auto dosDate = static_cast<uint32_t>((date.year - 1980) << 9 | date.month << 5 | date.day);
    const auto dosTime =
        static_cast<uint32_t>((secondsOfDay / 3600) << 11 | (secondsOfDay / 60 % 60) << 5 | (secondsOfDay % 60) / 2);
    return dosDate << 16 | dosTime;
}

}  // namespace kuvano
