#pragma once

#include "core/pixel_image.h"

namespace kuvano {

inline constexpr int kSurveyLevels = 14;

// A row's level picture: a framed bar whose left level + 1 columns of 14 are
// filled, in the colour of the level's band, from grey for a small share to red.
PixelImage LevelPicture(int level);

// The buttons' 16 x 16 pictures: the folder button a folder tree, the start
// button a hand pointing at a dotted line, the stop button a prohibition sign
// over an exclamation mark.
PixelImage FolderButtonPicture();
PixelImage StartButtonPicture();
PixelImage StopButtonPicture();

// A disabled button's picture: the shape embossed in grey, with a white
// highlight one pixel below and to the right.
PixelImage DisabledPicture(const PixelImage& picture);

}  // namespace kuvano
