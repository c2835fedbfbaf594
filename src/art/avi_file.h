#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/pixel_image.h"

namespace kuvano {

// An AVI clip in the form the common animation control plays: one video
// stream of uncompressed 8-bit frames sharing one palette of the frames'
// colours (alpha ignored), no sound, with an index. The frames must be
// non-empty, of one size, and use at most 256 colours; each is shown for a
// positive time.
std::string AviFileBytes(const std::vector<PixelImage>& frames, uint32_t microsecondsPerFrame);

}  // namespace kuvano
