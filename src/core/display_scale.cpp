#include "core/display_scale.h"

#include <algorithm>
#include <cstdint>

namespace kuvano {

int ScaleToDpi(int length, int dpi) {
    if (dpi <= 0) return length;
    const int64_t product = int64_t{length} * dpi;
    const int64_t magnitude = ((product < 0 ? -product : product) + kDesignDpi / 2) / kDesignDpi;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

int WholeStep(int artSize, int targetSize) {
    if (artSize <= 0) return 1;
    return std::max(1, targetSize / artSize);
}

}  // namespace kuvano
