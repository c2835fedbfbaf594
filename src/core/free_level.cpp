#include "core/free_level.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace kuvano {

// The quotient and product are taken in 80-bit extended precision, so that
// every 64-bit byte count is exact and ties land where the levels were
// designed; other precisions move the boundaries.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "FreeLevel needs 80-bit long double (GCC or Clang on x86)");

int32_t FreeLevel(int64_t freeBytes, int64_t totalBytes) {
    if (totalBytes == 0) return 0;
    const long double scaled = static_cast<long double>(freeBytes) / static_cast<long double>(totalBytes) * kFreeSteps;
    // Clamp before converting, so that no quotient can overflow the integer.
    if (!(scaled > 0.0L)) return 0;
    if (scaled > static_cast<long double>(kMaxFreeLevel) + 1.0L) return kMaxFreeLevel;
    // Round to nearest, exact halves to even: the processor's default mode.
    const auto level = static_cast<int32_t>(std::nearbyint(scaled));
    return level > kMaxFreeLevel ? kMaxFreeLevel : level;
}

}  // namespace kuvano
