#pragma once

#include "core/geometry.h"

namespace kuvano {

// The screen every size in the program is given for: 100 %.
inline constexpr int kDesignDpi = 96;

// A length given for a 96-DPI screen, at `dpi`, rounded half away from zero
// as the system's own scaling rounds. A DPI the system could not tell is
// taken as the design DPI, so nothing collapses to zero.
int ScaleToDpi(int length, int dpi);

// The largest whole multiple of `artSize` that fits `targetSize`, at least
// one: pixel art scaled by whole steps stays sharp.
int WholeStep(int artSize, int targetSize);

}  // namespace kuvano
