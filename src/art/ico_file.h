#pragma once

#include <string>
#include <vector>

#include "core/pixel_image.h"

namespace kuvano {

// An .ico file holding the pictures as 32-bit images with transparency masks.
std::string IcoFileBytes(const std::vector<PixelImage>& images);

}  // namespace kuvano
