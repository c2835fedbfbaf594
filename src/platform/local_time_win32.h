#pragma once

#include "core/local_time.h"

namespace kuvano {

class LocalTimeWin32 final : public LocalTime {
public:
    uint64_t LocalToUtc(uint64_t localFileTime) const override;
    uint64_t UtcToLocal(uint64_t utcFileTime) const override;
    uint64_t NowLocal() const override;
};

}  // namespace kuvano
