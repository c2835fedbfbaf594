#pragma once

#include <cstdint>

#include "core/local_time.h"

namespace kuvano::testing {

// Nine hours ahead of UTC, as Japan, with a clock standing at 1601.
class FakeLocalTime final : public LocalTime {
public:
    static constexpr uint64_t kOffset = 9ull * 3600 * 10'000'000;
    uint64_t LocalToUtc(uint64_t local) const override { return local - kOffset; }
    uint64_t UtcToLocal(uint64_t utc) const override { return utc + kOffset; }
    uint64_t NowLocal() const override { return 0; }
};

}  // namespace kuvano::testing
