#pragma once

#include <vector>

#include "core/pixel_image.h"
#include "core/survey_clip.h"

namespace kuvano {

// The folder size panel's busy clip, 12 frames of 24 x 24 pixels: a
// magnifying glass over a yellow folder on blue. Frame 0 is the still
// picture, with the glass resting in the middle; the loop frames carry the
// glass once round a circle.
std::vector<PixelImage> SurveyAnimationFrames();

}  // namespace kuvano
