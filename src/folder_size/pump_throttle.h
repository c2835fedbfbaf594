#pragma once

#include <chrono>

namespace kuvano {

// Lets a long walk hand the window its messages at most once per interval:
// even a look at an empty message queue costs more than one directory entry,
// while a few milliseconds are too short for a user to notice.
inline constexpr std::chrono::milliseconds kSurveyPumpInterval{5};

class PumpThrottle {
public:
    using Clock = std::chrono::steady_clock;

    explicit PumpThrottle(Clock::duration interval) : interval_(interval) {}

    // True the first time and then whenever the interval has passed since the last true.
    bool Due(Clock::time_point now);

private:
    Clock::duration interval_;
    Clock::time_point last_{};
    bool started_ = false;
};

}  // namespace kuvano
