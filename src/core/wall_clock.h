#pragma once

#include <cstdint>

namespace kuvano {

// A moment as the user's clock on the wall shows it.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    bool operator==(const LocalTime&) const = default;
};

// The date and time, as the system keeps them.
class WallClock {
public:
    virtual ~WallClock() = default;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual int64_t Now() const = 0;
    // That moment in the user's time zone, summer time included.
    virtual LocalTime Local(int64_t seconds) const = 0;
};

}  // namespace kuvano
