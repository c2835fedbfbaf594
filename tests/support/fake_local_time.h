#pragma once

#include <cstdint>

#include "core/local_time.h"

namespace kuvano::testing {

// A time zone a fixed number of hours ahead of UTC (Japan: 9), with a clock
// that stands still.
class FakeLocalTime final : public LocalTime {
public:
    explicit FakeLocalTime(int64_t hoursAhead = 9, uint64_t nowLocal = 0)
        : offset_(hoursAhead * 3600 * 10'000'000), nowLocal_(nowLocal) {}
    uint64_t LocalToUtc(uint64_t local) const override {
        return static_cast<uint64_t>(static_cast<int64_t>(local) - offset_);
    }
    uint64_t UtcToLocal(uint64_t utc) const override {
        return static_cast<uint64_t>(static_cast<int64_t>(utc) + offset_);
    }
    uint64_t NowLocal() const override { return nowLocal_; }

private:
    int64_t offset_;
    uint64_t nowLocal_;
};

}  // namespace kuvano::testing
