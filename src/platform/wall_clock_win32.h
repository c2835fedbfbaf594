#pragma once

#include "core/wall_clock.h"

namespace kuvano {

class WallClockWin32 final : public WallClock {
public:
    int64_t Now() const override;
    LocalTime Local(int64_t seconds) const override;
};

}  // namespace kuvano
