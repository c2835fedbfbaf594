#include "art/program_icon.h"

#include <gtest/gtest.h>

#include "tray/tray_pictures.h"

namespace kuvano {
namespace {

bool Opaque(const PixelImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width && y < image.height && image.At(x, y).a != 0;
}

// The small star has the shape of the tray's star pictures, the large one
// that at twice the size; blue, and black exactly where it touches the ground.
TEST(ProgramIcon, IsTheTraysStarInBlueWithABlackOutline) {
    const PixelImage tray = TrayPictures(TrayIconKind::Star).front();
    for (const PixelImage& icon : {ProgramIcon16(), ProgramIcon32()}) {
        const int scale = icon.width / 16;
        ASSERT_EQ(icon.width * icon.height, 256 * scale * scale);
        for (int y = 0; y < icon.height; ++y) {
            for (int x = 0; x < icon.width; ++x) {
                const bool edge = !Opaque(icon, x - 1, y) || !Opaque(icon, x + 1, y) || !Opaque(icon, x, y - 1) ||
                                  !Opaque(icon, x, y + 1);
                const Rgba expected = !Opaque(tray, x / scale, y / scale) ? kTransparent
                                      : edge                              ? Rgba{0, 0, 0, 255}
                                                                          : Rgba{0, 0, 255, 255};
                EXPECT_EQ(icon.At(x, y), expected) << icon.width << ": " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace kuvano
