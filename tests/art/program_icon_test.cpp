#include "art/program_icon.h"

#include <gtest/gtest.h>

#include "tray/tray_pictures.h"

namespace kuvano {
namespace {

bool Opaque(const PixelImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width && y < image.height && image.At(x, y).a != 0;
}

// Blue inside; black exactly where a pixel touches the transparent ground.
void ExpectOutlinedBlueStar(const PixelImage& image) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool edge = !Opaque(image, x - 1, y) || !Opaque(image, x + 1, y) || !Opaque(image, x, y - 1) ||
                              !Opaque(image, x, y + 1);
            const Rgba expected = !Opaque(image, x, y) ? kTransparent
                                  : edge               ? Rgba{0, 0, 0, 255}
                                                       : Rgba{0, 0, 255, 255};
            EXPECT_EQ(image.At(x, y), expected) << image.width << ": " << x << "," << y;
        }
    }
}

// The small star has the shape of the tray's star pictures; the large one is it at twice the size.
TEST(ProgramIcon, IsTheTraysStarInBlueWithABlackOutline) {
    const PixelImage small = ProgramIcon16();
    const PixelImage large = ProgramIcon32();
    const PixelImage tray = TrayPictures(TrayIconKind::Star).front();
    ASSERT_EQ(small.width * small.height, 16 * 16);
    ASSERT_EQ(large.width * large.height, 32 * 32);
    ExpectOutlinedBlueStar(small);
    ExpectOutlinedBlueStar(large);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(Opaque(large, x, y), Opaque(small, x / 2, y / 2)) << x << "," << y;
            EXPECT_EQ(Opaque(small, x / 2, y / 2), Opaque(tray, x / 2, y / 2)) << x / 2 << "," << y / 2;
        }
    }
}

}  // namespace
}  // namespace kuvano
