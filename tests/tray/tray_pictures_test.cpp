#include "tray/tray_pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kuvano {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255}, kWhite{255, 255, 255, 255};

bool Opaque(const PixelImage& picture, int x, int y) {
    return x >= 0 && y >= 0 && x < 16 && y < 16 && picture.At(x, y).a == 255;
}

// The outline: opaque pixels beside a transparent one or the cell's edge.
bool Outline(const PixelImage& picture, int x, int y) {
    return Opaque(picture, x, y) && !(Opaque(picture, x - 1, y) && Opaque(picture, x + 1, y) &&
                                      Opaque(picture, x, y - 1) && Opaque(picture, x, y + 1));
}

// At level k, (14 - k) / 14 of the inside is used: the rows below row k, or
// that share of a turn clockwise from 12 o'clock about the disc's centre.
bool Used(TrayPictureKind kind, int level, int x, int y) {
    if (kind != TrayPictureKind::Pie) return y > level;
    const double turn = std::atan2(x + 0.5 - 8, 8 - (y + 0.5)) / (2 * std::numbers::pi);
    return (turn < 0 ? turn + 1 : turn) * 14 < 14 - level;
}

// The design's shape: a bar clear of the sides, a disc, a star (mirrored,
// touching the top and the sides, on two feet).
bool InShape(TrayPictureKind kind, const PixelImage& shape, int x, int y) {
    switch (kind) {
        case TrayPictureKind::Bar: return x >= 1 && x <= 14;
        case TrayPictureKind::Pie: return std::hypot(x + 0.5 - 8, y + 0.5 - 8) < 7.7;
        default: return Opaque(shape, 15 - x, y) && (x != 7 || y < 15) && (x != 6 || y > 0);
    }
}

TEST(TrayPictures, AShapeWithABlackOutlineFilledWhereUsedOnATransparentCell) {
    for (TrayPictureKind kind : {TrayPictureKind::Bar, TrayPictureKind::Pie, TrayPictureKind::Star}) {
        const std::vector<PixelImage> pictures = TrayPictures(kind);
        ASSERT_EQ(pictures.size(), size_t{kTrayPictureCount});
        const PixelImage& shape = pictures[0];
        EXPECT_TRUE(kind != TrayPictureKind::Star ||
                    (Opaque(shape, 0, 5) && Opaque(shape, 7, 0) && Opaque(shape, 2, 15)));
        for (int level = 0; level < kTrayPictureCount; ++level) {
            const PixelImage& picture = pictures[static_cast<size_t>(level)];
            ASSERT_EQ(std::make_pair(picture.width, picture.height), std::make_pair(16, 16));
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const Rgba pixel = picture.At(x, y);
                    const bool opaque = Opaque(picture, x, y);
                    EXPECT_EQ(opaque, InShape(kind, shape, x, y)) << level << " at " << x << "," << y;
                    EXPECT_TRUE(opaque || pixel == kTransparent) << x << "," << y;
                    EXPECT_EQ(pixel == kBlack, Outline(picture, x, y)) << x << "," << y;
                    if (opaque && !Outline(picture, x, y)) {
                        EXPECT_EQ(pixel != kWhite, Used(kind, level, x, y)) << level << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace kuvano
