#pragma once

#include <cstdint>
#include <vector>

#include "core/pixel_image.h"

namespace kuvano {

// The menu's eleven 16 x 16 item pictures, by index.
// Letters in the art: K black, W white, Y yellow, O olive, R red, G green,
// B blue, C cyan, N brown, S silver, D dark grey; "." is transparent.
std::vector<PixelImage> MenuPictures();

// A pixel as a 32-bit bitmap with premultiplied alpha holds it, for a menu
// item and for GdiAlphaBlend: 0xAARRGGBB with each colour scaled by the
// alpha, so that a transparent pixel is all zero.
uint32_t PremultipliedPixel(const Rgba& pixel);

}  // namespace kuvano
