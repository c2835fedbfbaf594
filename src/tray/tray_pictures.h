#pragma once

#include <cstdint>
#include <vector>

#include "core/pixel_image.h"
#include "core/settings.h"

namespace kuvano {

// Index 0..13 shows that free level; index 14 is the warning frame.
inline constexpr int kTrayPictureCount = 15;

// The 15 pictures of one kind, 16 x 16 each, index = the level it shows.
// Throws std::invalid_argument for a kind with no name.
std::vector<PixelImage> TrayPictures(TrayPictureKind kind);

}  // namespace kuvano
