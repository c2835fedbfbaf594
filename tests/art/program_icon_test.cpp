#include <gtest/gtest.h>

#include "art/program_icon.h"

namespace kuvano {

// Each side shows the star that covers most of it by whole steps; on a tie the large one.
TEST(ProgramIcon, EachSideFromTheStarThatCoversMostOfIt) {
    const PixelImage small = ProgramIcon16(), large = ProgramIcon32();
    const std::pair<int, const PixelImage*> sides[] = {{16, &small}, {20, &small}, {31, &small}, {32, &large},
                                                       {40, &large}, {48, &small}, {64, &large}};
    for (const auto& [side, star] : sides)
        EXPECT_EQ(ProgramIconAt(side).pixels, FitByWholeSteps(*star, side, side).pixels) << side;
}

}  // namespace kuvano
