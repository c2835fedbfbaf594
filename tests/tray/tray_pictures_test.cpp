#include "tray/tray_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace kuvano {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255}, kWhite{255, 255, 255, 255}, kRed{255, 0, 0, 255};
constexpr Rgba kMagenta{255, 0, 255, 255}, kYellow{255, 255, 0, 255}, kOlive{128, 128, 0, 255};
constexpr Rgba kGreen{0, 255, 0, 255}, kCyan{0, 255, 255, 255}, kBlue{0, 0, 255, 255}, kGrey{128, 128, 128, 255};

using Spans = std::vector<std::pair<int, int>>;  // opaque column ranges of one row

struct Shape {
    TrayIconKind kind;
    std::vector<Spans> rows;
};

const std::vector<Shape> kShapes = {
    {TrayIconKind::Bar, std::vector<Spans>(16, Spans{{1, 14}})},
    {TrayIconKind::Pie,
     {{{6, 9}},
      {{4, 11}},
      {{3, 12}},
      {{2, 13}},
      {{1, 14}},
      {{1, 14}},
      {{0, 15}},
      {{0, 15}},
      {{0, 15}},
      {{0, 15}},
      {{1, 14}},
      {{1, 14}},
      {{2, 13}},
      {{3, 12}},
      {{4, 11}},
      {{6, 9}}}},
    {TrayIconKind::Star,
     {{{7, 8}},
      {{6, 9}},
      {{6, 9}},
      {{5, 10}},
      {{5, 10}},
      {{0, 15}},
      {{0, 15}},
      {{1, 14}},
      {{3, 12}},
      {{4, 11}},
      {{3, 12}},
      {{3, 12}},
      {{3, 12}},
      {{2, 6}, {9, 13}},
      {{2, 4}, {11, 13}},
      {{2, 3}, {12, 13}}}},
};

const Shape& ShapeOf(TrayIconKind kind) {
    return *std::ranges::find(kShapes, kind, &Shape::kind);
}

bool InShape(const Shape& shape, int x, int y) {
    if (y < 0 || y > 15) return false;
    for (auto [first, last] : shape.rows[static_cast<size_t>(y)]) {
        if (x >= first && x <= last) return true;
    }
    return false;
}

bool OnOutline(const Shape& shape, int x, int y) {
    return InShape(shape, x, y) && !(InShape(shape, x - 1, y) && InShape(shape, x + 1, y) && InShape(shape, x, y - 1) &&
                                     InShape(shape, x, y + 1));
}

bool Inside(const Shape& shape, int x, int y) {
    return InShape(shape, x, y) && !OnOutline(shape, x, y);
}

// Used-share colour per image index where x + y is even and where it is odd.
constexpr std::array<std::pair<Rgba, Rgba>, 14> kUsedColours{{
    {kRed, kRed},
    {kRed, kRed},
    {kMagenta, kMagenta},
    {kMagenta, kMagenta},
    {kYellow, kOlive},
    {kYellow, kOlive},
    {kGreen, kGreen},
    {kGreen, kGreen},
    {kCyan, kCyan},
    {kCyan, kCyan},
    {kBlue, kBlue},
    {kBlue, kBlue},
    {kGrey, kGrey},
    {kGrey, kGrey},
}};

Rgba UsedColour(int index, int x, int y) {
    const auto& [onEven, onOdd] = kUsedColours[static_cast<size_t>(index)];
    return (x + y) % 2 == 0 ? onEven : onOdd;
}

bool Coloured(const PixelImage& image, int x, int y) {
    return image.At(x, y) != kWhite;
}

// Calls check(x, y) for every inside pixel of the shape.
void ForEachInside(const Shape& shape, const std::function<void(int, int)>& check) {
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (Inside(shape, x, y)) check(x, y);
        }
    }
}

int ColouredCount(const Shape& shape, const PixelImage& image) {
    int count = 0;
    ForEachInside(shape, [&](int x, int y) { count += Coloured(image, x, y); });
    return count;
}

TEST(TrayPictures, EveryPictureHasTheShapeTransparentAroundAndABlackOutline) {
    for (const Shape& shape : kShapes) {
        const std::vector<PixelImage> pictures = TrayPictures(shape.kind);
        ASSERT_EQ(pictures.size(), size_t{kTrayPictureCount});
        for (const PixelImage& picture : pictures) {
            ASSERT_EQ(std::make_pair(picture.width, picture.height), std::make_pair(16, 16));
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const Rgba pixel = picture.At(x, y);
                    EXPECT_EQ(pixel == kBlack, OnOutline(shape, x, y)) << x << "," << y;
                    EXPECT_EQ(pixel == kTransparent, !InShape(shape, x, y)) << x << "," << y;
                    EXPECT_EQ(int{pixel.a}, InShape(shape, x, y) ? 255 : 0) << x << "," << y;
                }
            }
        }
    }
}

TEST(TrayPictures, BarAndStarColourTheInsideRowsBelowTheLevel) {
    const struct {
        TrayIconKind kind;
        int index;
        int coloured;
    } cases[] = {
        {TrayIconKind::Bar, 0, 168}, {TrayIconKind::Bar, 1, 156}, {TrayIconKind::Bar, 7, 84},
        {TrayIconKind::Bar, 13, 12}, {TrayIconKind::Bar, 14, 0},  {TrayIconKind::Star, 0, 84},
        {TrayIconKind::Star, 1, 82}, {TrayIconKind::Star, 7, 42}, {TrayIconKind::Star, 13, 2},
        {TrayIconKind::Star, 14, 0},
    };
    for (const auto& c : cases) {
        const Shape& shape = ShapeOf(c.kind);
        const PixelImage picture = TrayPictures(c.kind)[static_cast<size_t>(c.index)];
        ForEachInside(shape, [&](int x, int y) { EXPECT_EQ(Coloured(picture, x, y), y > c.index) << x << "," << y; });
        EXPECT_EQ(ColouredCount(shape, picture), c.coloured) << "image " << c.index;
    }
}

TEST(TrayPictures, InsideIsWhiteOrTheUsedColourOfItsSquare) {
    for (const Shape& shape : kShapes) {
        const std::vector<PixelImage> pictures = TrayPictures(shape.kind);
        for (int index = 0; index < 14; ++index) {
            const PixelImage& picture = pictures[static_cast<size_t>(index)];
            ForEachInside(shape, [&](int x, int y) {
                const Rgba pixel = picture.At(x, y);
                EXPECT_TRUE(pixel == kWhite || pixel == UsedColour(index, x, y)) << index << ": " << x << "," << y;
            });
        }
    }
}

TEST(TrayPictures, UsedColourOfEveryIndexOnEvenAndOddSquares) {
    // Per kind, an inside pixel with even x + y and one with odd, both used up to image 13.
    const struct {
        TrayIconKind kind;
        int evenX, evenY, oddX, oddY;
    } cases[] = {
        {TrayIconKind::Bar, 6, 14, 7, 14}, {TrayIconKind::Pie, 9, 1, 8, 1}, {TrayIconKind::Star, 12, 14, 3, 14}};
    for (const auto& c : cases) {
        const std::vector<PixelImage> pictures = TrayPictures(c.kind);
        for (int index = 0; index < 14; ++index) {
            const auto& [onEven, onOdd] = kUsedColours[static_cast<size_t>(index)];
            EXPECT_EQ(pictures[static_cast<size_t>(index)].At(c.evenX, c.evenY), onEven) << "image " << index;
            EXPECT_EQ(pictures[static_cast<size_t>(index)].At(c.oddX, c.oddY), onOdd) << "image " << index;
        }
        EXPECT_EQ(pictures[14].At(c.evenX, c.evenY), kWhite);
        EXPECT_EQ(pictures[14].At(c.oddX, c.oddY), kWhite);
    }
}

TEST(TrayPictures, ColouredShareShrinksFromImageToImage) {
    for (const Shape& shape : kShapes) {
        const std::vector<PixelImage> pictures = TrayPictures(shape.kind);
        for (size_t index = 0; index + 1 < pictures.size(); ++index) {
            ForEachInside(shape, [&](int x, int y) {
                EXPECT_FALSE(Coloured(pictures[index + 1], x, y) && !Coloured(pictures[index], x, y)) << x << "," << y;
            });
        }
    }
}

TEST(TrayPictures, PieSectorAtWholeAndHalfTurns) {
    const Shape& pie = ShapeOf(TrayIconKind::Pie);
    const std::vector<PixelImage> pictures = TrayPictures(TrayIconKind::Pie);
    const std::pair<size_t, std::function<bool(int, int)>> cases[] = {
        {0, [](int, int) { return true; }},
        {7, [](int x, int) { return x >= 8; }},
        {14, [](int, int) { return false; }},
    };
    for (const auto& [index, coloured] : cases) {
        ForEachInside(pie, [&](int x, int y) {
            EXPECT_EQ(Coloured(pictures[index], x, y), coloured(x, y)) << index << ": " << x << "," << y;
        });
    }
    EXPECT_EQ(ColouredCount(pie, pictures[0]), 148);
}

TEST(TrayPictures, PieImage13IsAThinWedgeRightOfTwelve) {
    const Shape& pie = ShapeOf(TrayIconKind::Pie);
    const PixelImage wedge = TrayPictures(TrayIconKind::Pie)[13];
    EXPECT_TRUE(Coloured(wedge, 8, 1));
    EXPECT_FALSE(Coloured(wedge, 7, 1));
    ForEachInside(pie,
                  [&](int x, int y) { EXPECT_TRUE(!Coloured(wedge, x, y) || (x >= 8 && y < 8)) << x << "," << y; });
    EXPECT_LT(ColouredCount(pie, wedge), 148 / 7);
}

TEST(TrayPictures, PiePixelIsUsedWhileItsCentreAngleIsBelowTheSector) {
    // Image k's sector spans 360 * (14 - k) / 14 degrees clockwise from 12 o'clock.
    const struct {
        int x, y;
        double degrees;
        int lastColouredImage;
    } cases[] = {
        {8, 1, 4.4, 13},    // 25.7 in 13
        {12, 3, 45.0, 12},  // 51.4 in 12, 25.7 in 13
        {14, 7, 85.6, 10},  // 102.9 in 10, 77.1 in 11
        {8, 8, 135.0, 8},   // 154.3 in 8, 128.6 in 9
        {7, 8, 225.0, 5},   // 231.4 in 5, 205.7 in 6
        {1, 9, 257.0, 4},   // 257.1 in 4: just inside
        {1, 6, 283.0, 2},   // 282.9 in 3: just outside
        {7, 1, 355.6, 0},   // 334.3 in 1
    };
    const std::vector<PixelImage> pictures = TrayPictures(TrayIconKind::Pie);
    for (const auto& c : cases) {
        ASSERT_TRUE(Inside(ShapeOf(TrayIconKind::Pie), c.x, c.y)) << c.x << "," << c.y;
        for (int index = 0; index < kTrayPictureCount; ++index) {
            EXPECT_EQ(Coloured(pictures[static_cast<size_t>(index)], c.x, c.y), index <= c.lastColouredImage)
                << c.x << "," << c.y << " at " << c.degrees << " degrees, image " << index;
        }
    }
}

TEST(TrayPictures, RejectsAnUnknownKind) {
    EXPECT_THROW(TrayPictures(static_cast<TrayIconKind>(3)), std::invalid_argument);
}

}  // namespace
}  // namespace kuvano
