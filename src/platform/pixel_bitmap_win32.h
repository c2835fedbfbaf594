#pragma once

#include <cstdint>

#include "core/pixel_image.h"
#include "platform/scoped_win32.h"

namespace kuvano {

// A 32-bit top-down DIB section of the image's size, each pixel packed as
// 0xAARRGGBB by `pack`; empty if the system has no room for it.
UniqueBitmap BitmapFromPixels(const PixelImage& image, uint32_t (*pack)(const Rgba&));

}  // namespace kuvano
