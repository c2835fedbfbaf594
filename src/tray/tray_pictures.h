#pragma once

#include <cstdint>
#include <vector>

#include "core/pixel_image.h"

namespace kuvano {

// The shape of the tray pictures, as stored in the `syurui` setting.
enum class TrayIconKind : int32_t { Bar = 0, Pie = 1, Star = 2 };

// Index 0..13 shows that free level; index 14 is the warning frame.
inline constexpr int kTrayPictureCount = 15;

// The 15 pictures of one kind, 16 x 16 each, index = the level it shows.
// Throws std::invalid_argument for a value outside the enum.
std::vector<PixelImage> TrayPictures(TrayIconKind kind);

}  // namespace kuvano
