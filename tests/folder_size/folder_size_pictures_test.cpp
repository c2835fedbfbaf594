#include "folder_size/folder_size_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kuvano {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kGrey{128, 128, 128, 255};

TEST(LevelPicture, FillsLevelPlusOneInnerColumnsInsideABlackFrame) {
    struct Case {
        int level;
        Rgba fill;  // at an even x + y
    };
    const Case cases[] = {{0, kGrey}, {3, {0, 0, 255, 255}}, {8, {255, 255, 0, 255}}, {13, {255, 0, 0, 255}}};
    for (const Case& c : cases) {
        const PixelImage picture = LevelPicture(c.level);
        ASSERT_EQ(picture.width, 16);
        ASSERT_EQ(picture.height, 16);
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(picture.At(x, 0).a, 0) << x;
            EXPECT_EQ(picture.At(x, 15).a, 0) << x;
            EXPECT_EQ(picture.At(x, 1), kBlack) << x;
            EXPECT_EQ(picture.At(x, 14), kBlack) << x;
        }
        EXPECT_EQ(picture.At(0, 7), kBlack);
        EXPECT_EQ(picture.At(15, 7), kBlack);
        EXPECT_EQ(picture.At(c.level + 1, 3), c.fill) << "last filled column of level " << c.level;
        if (c.level < 13) {
            EXPECT_EQ(picture.At(c.level + 2, 3), kWhite) << "first empty column of level " << c.level;
        }
    }
    EXPECT_EQ(LevelPicture(9).At(2, 3), (Rgba{128, 128, 0, 255})) << "olive on odd squares";
}

TEST(DisabledPicture, EmbossesTheDarkShapeInGreyWithAWhiteHighlight) {
    const PixelImage picture = ImageFromArt({"K..", "KW.", "..."}, {{'K', kBlack}, {'W', kWhite}});
    const PixelImage disabled = DisabledPicture(picture);
    EXPECT_EQ(disabled.At(0, 0), kGrey);
    EXPECT_EQ(disabled.At(0, 1), kGrey);   // dark below dark: stays grey
    EXPECT_EQ(disabled.At(1, 1), kWhite);  // light in the picture: the highlight of (0, 0)
    EXPECT_EQ(disabled.At(1, 2), kWhite);  // below right of (0, 1)
    EXPECT_EQ(disabled.At(2, 2).a, 0);
    // Every button keeps a recognisable shape when greyed.
    for (const PixelImage& button : {FolderButtonPicture(), StartButtonPicture(), StopButtonPicture()}) {
        ASSERT_EQ(button.width, 16);
        const PixelImage grey = DisabledPicture(button);
        EXPECT_GT(std::ranges::count(grey.pixels, kGrey), 25);
    }
}

}  // namespace
}  // namespace kuvano
