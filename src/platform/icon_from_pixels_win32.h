#pragma once

#include "core/pixel_image.h"
#include "platform/scoped_win32.h"

namespace kuvano {

// An icon with the picture's colours and its transparent pixels masked out.
UniqueIcon IconFromPixels(const PixelImage& image);

}  // namespace kuvano
