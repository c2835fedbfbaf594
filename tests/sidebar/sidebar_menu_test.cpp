#include "sidebar/sidebar_menu.h"

#include <gtest/gtest.h>

#include "sidebar/menu_pictures.h"

namespace kuvano {
namespace {

TEST(SidebarMenu, EdgeItemsChooseTheirEdgeAndTheStyleSwitchesBackAndForth) {
    EXPECT_EQ(EdgeOf(SidebarCommand::popUe), 1);
    EXPECT_EQ(EdgeOf(SidebarCommand::popSita), 2);
    EXPECT_EQ(EdgeOf(SidebarCommand::pmHidarihasi), 3);
    EXPECT_EQ(EdgeOf(SidebarCommand::pmMigihasi), 4);
    EXPECT_EQ(EdgeOf(SidebarCommand::pmPieBar), 0);

    Settings settings;
    SwitchBarsAndPies(settings);
    EXPECT_TRUE(settings.enGrf);
    EXPECT_EQ(settings.GaugeWidth, 32);
    SwitchBarsAndPies(settings);
    EXPECT_FALSE(settings.enGrf);
    EXPECT_EQ(settings.GaugeWidth, 8);
}

int OpaqueInColumn(const PixelImage& image, int x) {
    int count = 0;
    for (int y = 0; y < image.height; ++y) count += image.At(x, y).a != 0;
    return count;
}

TEST(MenuPictures, ElevenPicturesOnTransparentGround) {
    const auto pictures = PopupMenuPictures();
    ASSERT_EQ(pictures.size(), 11u);
    for (const PixelImage& picture : pictures) {
        EXPECT_EQ(picture.width, 16);
        EXPECT_EQ(picture.height, 16);
    }
    // The arrowheads point where their items move the strip, cut by a red line.
    const PixelImage& left = pictures[3];
    EXPECT_LT(OpaqueInColumn(left, 3), OpaqueInColumn(left, 13));
    EXPECT_EQ(left.At(8, 7), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(left.At(8, 4), (Rgba{0, 0, 255, 255}));
    const PixelImage& right = pictures[4];
    EXPECT_GT(OpaqueInColumn(right, 3), OpaqueInColumn(right, 13));
    EXPECT_EQ(pictures[7].At(7, 3), (Rgba{255, 0, 0, 255}));   // up: the tip at the top
    EXPECT_EQ(pictures[6].At(7, 12), (Rgba{255, 0, 0, 255}));  // down: the tip at the bottom
    // The colour disc: four sectors inside a black outline.
    const PixelImage& disc = pictures[2];
    EXPECT_EQ(disc.At(11, 4), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(disc.At(11, 11), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(disc.At(4, 11), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(disc.At(4, 4), (Rgba{255, 255, 0, 255}));
    EXPECT_EQ(disc.At(0, 7), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(disc.At(0, 0), kTransparent);
}

}  // namespace
}  // namespace kuvano
