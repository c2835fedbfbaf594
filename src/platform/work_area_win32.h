#pragma once

#include "core/geometry.h"

namespace kuvano {

// The primary monitor's work area: where forms start and are placed.
Rect PrimaryWorkArea();

}  // namespace kuvano
