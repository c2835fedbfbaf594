#pragma once

#include <chrono>

#include "core/local_time.h"

namespace kuvano::bench {

// Local time taken as UTC: the survey reads the clock only for the default
// bounds of its searches, which it does not test.
class UtcLocalTime final : public LocalTime {
public:
    uint64_t LocalToUtc(uint64_t localFileTime) const override { return localFileTime; }
    uint64_t UtcToLocal(uint64_t utcFileTime) const override { return utcFileTime; }
    uint64_t NowLocal() const override {
        constexpr uint64_t kTicksFrom1601To1970 = 116'444'736'000'000'000;
        const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
        return kTicksFrom1601To1970 + static_cast<uint64_t>(sinceEpoch / std::chrono::nanoseconds(100));
    }
};

}  // namespace kuvano::bench
