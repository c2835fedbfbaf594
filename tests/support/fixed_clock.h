#pragma once

#include "core/wall_clock.h"

namespace kuvano::testing {

// Stands still where the test puts it.
struct FixedClock final : WallClock {
    int64_t Now() const override { return now; }
    LocalTime Local(int64_t) const override { return {}; }
    int64_t now = 0;
};

}  // namespace kuvano::testing
