#pragma once

#include <cstdint>
#include <vector>

#include "app/pixel_image.h"

namespace kuvano {

// The folder size panel's busy clip, 12 frames of 24 x 24 pixels: a
// magnifying glass over a yellow folder on blue. Frame 0 is the still
// picture, with the glass resting in the middle; frames 1 to 11 carry the
// glass once round a circle, so that looping them runs smoothly.
inline constexpr int kFirstLoopFrame = 1;
inline constexpr int kLastLoopFrame = 11;
inline constexpr uint32_t kSurveyFrameMicroseconds = 100'000;

std::vector<PixelImage> SurveyAnimationFrames();

}  // namespace kuvano
