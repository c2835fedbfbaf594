#pragma once

#include "core/pixel_image.h"

namespace kuvano {

// The program's icon: a blue five-pointed star with a black outline on a
// transparent ground, at 32 x 32 and 16 x 16.
PixelImage ProgramIcon32();
PixelImage ProgramIcon16();

// The sides the icon file holds: the taskbar's small icons and the windows'
// large ones from 100 % to 300 %, so the system never stretches one.
inline constexpr int kProgramIconSides[] = {16, 20, 24, 32, 40, 48, 64};

// The icon at `side`, from the star that covers most of it by whole steps;
// on a tie the large star, whose outline is finer.
PixelImage ProgramIconAt(int side);

}  // namespace kuvano
