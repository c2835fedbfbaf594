#include "art/program_icon.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace kuvano {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};

bool Opaque(const PixelImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width && y < image.height && image.At(x, y).a != 0;
}

// Blue inside, and exactly the pixels that touch the outside are black.
void ExpectOutlinedBlueStar(const PixelImage& image) {
    int blue = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!Opaque(image, x, y)) {
                EXPECT_EQ(image.At(x, y), kTransparent);
                continue;
            }
            const bool edge = !Opaque(image, x - 1, y) || !Opaque(image, x + 1, y) || !Opaque(image, x, y - 1) ||
                              !Opaque(image, x, y + 1);
            EXPECT_EQ(image.At(x, y), edge ? kBlack : kBlue) << x << "," << y;
            blue += !edge;
        }
    }
    EXPECT_GT(blue, image.width * image.height / 5);
}

TEST(ProgramIcon, IsABlueStarWithABlackOutline) {
    const PixelImage large = ProgramIcon32();
    const PixelImage small = ProgramIcon16();
    ASSERT_EQ(std::make_pair(large.width, large.height), std::make_pair(32, 32));
    ASSERT_EQ(std::make_pair(small.width, small.height), std::make_pair(16, 16));
    ExpectOutlinedBlueStar(large);
    ExpectOutlinedBlueStar(small);
}

TEST(ProgramIcon, SmallStarHasTheShapeOfTheTrayStar) {
    // Opaque columns of each row of the tray's star pictures.
    const std::vector<std::vector<std::pair<int, int>>> rows = {
        {{7, 8}},  {{6, 9}},          {{6, 9}},           {{5, 10}},          {{5, 10}}, {{0, 15}},
        {{0, 15}}, {{1, 14}},         {{3, 12}},          {{4, 11}},          {{3, 12}}, {{3, 12}},
        {{3, 12}}, {{2, 6}, {9, 13}}, {{2, 4}, {11, 13}}, {{2, 3}, {12, 13}},
    };
    const PixelImage small = ProgramIcon16();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            bool inside = false;
            for (auto [first, last] : rows[static_cast<size_t>(y)]) inside = inside || (x >= first && x <= last);
            EXPECT_EQ(Opaque(small, x, y), inside) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace kuvano
