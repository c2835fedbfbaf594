#pragma once

#include <cstdint>

namespace kuvano {

// The free share of a drive in 14 steps, 0..13. The value 14 is never a
// level: it is the warning frame that blinking puts in its place.
inline constexpr int32_t kFreeSteps = 14;
inline constexpr int32_t kMaxFreeLevel = kFreeSteps - 1;
inline constexpr int32_t kWarningFrame = kMaxFreeLevel + 1;

int32_t FreeLevel(int64_t freeBytes, int64_t totalBytes);

}  // namespace kuvano
