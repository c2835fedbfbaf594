#pragma once

#include <cstdint>

#include "platform/local_time.h"

namespace kuvano::testing {

// A time zone a fixed number of hours ahead of UTC (Japan: 9).
class FakeLocalTime final : public LocalTime {
public:
    explicit FakeLocalTime(int64_t hoursAhead = 9) : offset_(hoursAhead * 3600 * 10'000'000) {}
    uint64_t LocalToUtc(uint64_t local) const override {
        return static_cast<uint64_t>(static_cast<int64_t>(local) - offset_);
    }
    uint64_t UtcToLocal(uint64_t utc) const override {
        return static_cast<uint64_t>(static_cast<int64_t>(utc) + offset_);
    }

private:
    int64_t offset_;
};

}  // namespace kuvano::testing
