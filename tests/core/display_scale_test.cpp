// Sizes given for 100 % at any display scale, and pixel art by whole steps.
#include <gtest/gtest.h>

#include <tuple>

#include "core/display_scale.h"
#include "core/pixel_image.h"

namespace kuvano {
namespace {

TEST(ScaleToDpi, RoundsHalfAwayFromZeroAndKeepsLengthsForAnUnknownDpi) {
    const std::tuple<int, int, int> cases[] = {
        {8, 96, 8},  {38, 192, 76}, {287, 192, 574}, {5, 120, 6},   {38, 120, 48},
        {2, 120, 3}, {-2, 120, -3}, {-1, 144, -2},   {7, 144, 11},  {1, 47, 0},
        {1, 48, 1},  {0, 288, 0},   {12, 0, 12},     {12, -96, 12}, {1'000'000'000, 192, 2'000'000'000},
    };
    for (const auto& [length, dpi, scaled] : cases) EXPECT_EQ(ScaleToDpi(length, dpi), scaled) << length << "@" << dpi;
}

// Red top left, blue bottom right: a flip, a shift or a blend shows. The whole steps
// themselves are ProgramIcon's: its choice of star follows them.
TEST(FitByWholeSteps, CopiesEachPixelToAWholeSquareCentredOnATransparentGround) {
    const std::initializer_list<PaletteEntry> colours{{'R', {255, 0, 0, 255}}, {'B', {0, 0, 255, 255}}};
    const PixelImage art = ImageFromArt({"R.", ".B"}, colours);
    const std::pair<PixelImage, PixelImage> cases[] = {
        {FitByWholeSteps(art, 2, 2), art},
        {FitByWholeSteps(art, 5, 4), ImageFromArt({"RR...", "RR...", "..BB.", "..BB."}, colours)},
        {FitByWholeSteps(art, 6, 4), ImageFromArt({".RR...", ".RR...", "...BB.", "...BB."}, colours)},
        {FitByWholeSteps(art, 3, 4), ImageFromArt({"...", "R..", ".B.", "..."}, colours)},
        {FitByWholeSteps(art, 1, 1), ImageFromArt({"R"}, colours)},
        {FitByWholeSteps(PixelImage(0, 0), 2, 2), PixelImage(2, 2)},  // no step to divide by
    };
    for (const auto& [fitted, expected] : cases) {
        EXPECT_EQ(std::tie(fitted.width, fitted.height, fitted.pixels),
                  std::tie(expected.width, expected.height, expected.pixels));
    }
}

}  // namespace
}  // namespace kuvano
