// Sizes given for 100 % at any display scale, and pixel art by whole steps.
#include <gtest/gtest.h>

#include <tuple>

#include "core/display_scale.h"
#include "core/pixel_image.h"

namespace kuvano {
namespace {

TEST(ScaleToDpi, RoundsHalfAwayFromZeroAndKeepsLengthsForAnUnknownDpi) {
    const std::tuple<int, int, int> cases[] = {
        {8, 96, 8},     {8, 192, 16},   {32, 192, 64}, {38, 192, 76}, {558, 192, 1116}, {287, 192, 574},
        {5, 120, 6},    {38, 120, 48},  {2, 120, 3},   {-2, 120, -3}, {1, 144, 2},       {-1, 144, -2},
        {7, 144, 11},   {1, 47, 0},     {1, 48, 1},    {0, 288, 0},   {12, 0, 12},       {12, -96, 12},
        {1'000'000'000, 192, 2'000'000'000},
    };
    for (const auto& [length, dpi, scaled] : cases) EXPECT_EQ(ScaleToDpi(length, dpi), scaled) << length << "@" << dpi;
}

TEST(WholeStep, TheLargestWholeMultipleThatFitsButNeverLessThanOne) {
    const std::tuple<int, int, int> cases[] = {
        {16, 16, 1}, {16, 20, 1}, {16, 24, 1}, {16, 31, 1}, {16, 32, 2}, {16, 48, 3},
        {32, 16, 1}, {16, 0, 1},  {0, 32, 1},  {-4, 32, 1},
    };
    for (const auto& [art, target, step] : cases) EXPECT_EQ(WholeStep(art, target), step) << art << " in " << target;
}

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};

// Red top-left, blue bottom-right: any flip, shift or blend shows.
PixelImage TwoByTwo() {
    return ImageFromArt({"R.", ".B"}, {{'R', kRed}, {'B', kBlue}});
}

TEST(FitByWholeSteps, CopiesEachPixelToAWholeSquareCentredOnATransparentGround) {
    struct Case {
        int width, height;
        int left, top, step;
    };
    for (const Case& c : {Case{2, 2, 0, 0, 1}, Case{4, 4, 0, 0, 2}, Case{5, 5, 0, 0, 2}, Case{7, 6, 0, 0, 3},
                          Case{6, 4, 1, 0, 2}, Case{3, 9, 0, 3, 1}, Case{1, 1, 0, 0, 1}}) {
        const PixelImage fitted = FitByWholeSteps(TwoByTwo(), c.width, c.height);
        ASSERT_EQ(fitted.width, c.width);
        ASSERT_EQ(fitted.height, c.height);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const int artX = x - c.left;
                const int artY = y - c.top;
                const bool inside = artX >= 0 && artY >= 0 && artX < 2 * c.step && artY < 2 * c.step;
                const Rgba expected = !inside                                  ? kTransparent
                                      : (artX / c.step == 0 && artY / c.step == 0) ? kRed
                                      : (artX / c.step == 1 && artY / c.step == 1) ? kBlue
                                                                                   : kTransparent;
                EXPECT_EQ(fitted.At(x, y), expected) << c.width << "x" << c.height << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace kuvano
