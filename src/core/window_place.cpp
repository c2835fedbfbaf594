#include "core/window_place.h"

namespace kuvano {

Point Centred(const Rect& workArea, Size window) {
    return {workArea.left + (workArea.right - workArea.left - window.width) / 2,
            workArea.top + (workArea.bottom - workArea.top - window.height) / 2};
}

Point AtLowerRight(const Rect& workArea, Size window, Size margin) {
    return {workArea.right - window.width - margin.width, workArea.bottom - window.height - margin.height};
}

}  // namespace kuvano
