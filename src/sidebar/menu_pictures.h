#pragma once

#include <vector>

#include "core/pixel_image.h"

namespace kuvano {

// The menu's eleven 16 x 16 item pictures, by index.
// Letters in the art: K black, W white, Y yellow, O olive, R red, G green,
// B blue, C cyan, N brown, S silver, D dark grey; "." is transparent.
std::vector<PixelImage> MenuPictures();

}  // namespace kuvano
