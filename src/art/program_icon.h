#pragma once

#include "core/pixel_image.h"

namespace kuvano {

// The program's icon: a blue five-pointed star with a black outline on a
// transparent ground, at 32 x 32 and 16 x 16.
PixelImage ProgramIcon32();
PixelImage ProgramIcon16();

}  // namespace kuvano
