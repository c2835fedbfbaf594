#include <gtest/gtest.h>

#include "art/program_icon.h"

namespace kuvano {
namespace {

// Each side shows the star that covers most of it by whole steps: the small
// one where the large does not fit or covers less.
TEST(ProgramIcon, EachSideFromTheStarThatCoversMostOfIt) {
    const PixelImage small = ProgramIcon16(), large = ProgramIcon32();
    const std::pair<int, const PixelImage*> sides[] = {
        {16, &small}, {20, &small}, {31, &small}, {32, &large}, {40, &large}, {48, &small}, {64, &large}};
    for (const auto& [side, star] : sides) {
        const PixelImage icon = ProgramIconAt(side);
        EXPECT_EQ(icon.pixels, FitByWholeSteps(*star, side, side).pixels) << side;
    }
}

}  // namespace
}  // namespace kuvano
