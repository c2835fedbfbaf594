#include "folder_size/folder_size_pictures.h"

#include <gtest/gtest.h>

#include <array>

namespace kuvano {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kGrey{128, 128, 128, 255};

// A black frame on rows 1 and 14 and the outer columns; inside, the left
// level + 1 columns in the band's colours (two levels a band; one colour on
// even x + y, one on odd), the rest white.
TEST(LevelPicture, FillsLevelPlusOneColumnsInsideABlackFrame) {
    for (int level = 0; level < kSurveyLevels; ++level) {
        const PixelImage picture = LevelPicture(level);
        const Rgba fills[2] = {picture.At(1, 3), picture.At(1, 2)};
        EXPECT_TRUE(fills[0] != kWhite && fills[0] != kBlack && fills[1] != kWhite && fills[1] != kBlack) << level;
        EXPECT_EQ(fills[0], LevelPicture(level ^ 1).At(1, 3)) << level;
        EXPECT_NE(fills[0], LevelPicture((level + 2) % kSurveyLevels).At(1, 3)) << level;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Rgba expected = y == 0 || y == 15                        ? kTransparent
                                      : y == 1 || y == 14 || x == 0 || x == 15 ? kBlack
                                      : x > level + 1                          ? kWhite
                                                                               : fills[(x + y) % 2];
                EXPECT_EQ(picture.At(x, y), expected) << level << ": " << x << "," << y;
            }
        }
    }
}

// Dark pixels turn grey; a light or empty one below and right of a dark one turns white.
TEST(DisabledPicture, EmbossesTheDarkShapeInGreyWithAWhiteHighlight) {
    const std::array<std::string_view, 3> cases[][2] = {
        {{"K..", "KW.", "..."}, {"G..", "GW.", ".W."}},
        {{"..K", "KK.", "..Y"}, {"..G", "GG.", ".WW"}},  // none beyond the right edge
        {{"Y..", ".W.", "K.K"}, {"...", "...", "G.G"}},  // nor below the bottom
    };
    const auto image = [](const std::array<std::string_view, 3>& art) {
        return ImageFromArt({art[0], art[1], art[2]},
                            {{'K', kBlack}, {'W', kWhite}, {'G', kGrey}, {'Y', {255, 255, 0, 255}}});
    };
    for (const auto& [art, expected] : cases)
        EXPECT_EQ(DisabledPicture(image(art)).pixels, image(expected).pixels) << art[0];
}

}  // namespace
}  // namespace kuvano
