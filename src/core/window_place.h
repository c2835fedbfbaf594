#pragma once

#include "core/geometry.h"

namespace kuvano {

// Where the program puts a window of `window` size within a work area: the
// part of a monitor that the taskbar and the desktop toolbars, the program's
// own strip among them, leave free.
Point Centred(const Rect& workArea, Size window);
// The window's lower right corner `margin` in from the work area's.
Point AtLowerRight(const Rect& workArea, Size window, Size margin);

}  // namespace kuvano
