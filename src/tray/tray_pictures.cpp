#include "tray/tray_pictures.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <stdexcept>
#include <string_view>

namespace kuvano {
namespace {

constexpr int kSide = 16;
constexpr int kSteps = kTrayPictureCount - 1;  // inside rows and sector steps, one per level

// '#' opaque, '.' transparent; the outline is derived from the shape.
using Mask = std::array<std::string_view, kSide>;

// The rows are the pictures: keep them one per line.
// clang-format off
constexpr Mask kBarMask{
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
    ".##############.",
};

constexpr Mask kPieMask{
    "......####......",
    "....########....",
    "...##########...",
    "..############..",
    ".##############.",
    ".##############.",
    "################",
    "################",
    "################",
    "################",
    ".##############.",
    ".##############.",
    "..############..",
    "...##########...",
    "....########....",
    "......####......",
};

constexpr Mask kStarMask{
    ".......##.......",
    "......####......",
    "......####......",
    ".....######.....",
    ".....######.....",
    "################",
    "################",
    ".##############.",
    "...##########...",
    "....########....",
    "...##########...",
    "...##########...",
    "...##########...",
    "..#####..#####..",
    "..###......###..",
    "..##........##..",
};

// clang-format on

constexpr Rgba kOutline{0, 0, 0, 255};
constexpr Rgba kFree{255, 255, 255, 255};

// Colours of the used share where x + y is even and where it is odd.
struct UsedBand {
    Rgba onEven;
    Rgba onOdd;
};

// Two levels per band, from red for a nearly full drive to grey for a nearly empty one.
// Levels 4 and 5 are a checkerboard: yellow on even x + y, olive on odd.
constexpr std::array<UsedBand, kSteps / 2> kUsedBands{{
    {{255, 0, 0, 255}, {255, 0, 0, 255}},
    {{255, 0, 255, 255}, {255, 0, 255, 255}},
    {{255, 255, 0, 255}, {128, 128, 0, 255}},
    {{0, 255, 0, 255}, {0, 255, 0, 255}},
    {{0, 255, 255, 255}, {0, 255, 255, 255}},
    {{0, 0, 255, 255}, {0, 0, 255, 255}},
    {{128, 128, 128, 255}, {128, 128, 128, 255}},
}};

// The warning frame has no used share, so only levels 0..13 get here.
Rgba UsedColour(int level, int x, int y) {
    const UsedBand& band = kUsedBands[static_cast<size_t>(level / 2)];
    return (x + y) % 2 == 0 ? band.onEven : band.onOdd;
}

bool IsOpaque(const Mask& mask, int x, int y) {
    return x >= 0 && y >= 0 && x < kSide && y < kSide && mask[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#';
}

// Opaque pixels beside a transparent one or the cell's edge form the outline.
bool IsOutline(const Mask& mask, int x, int y) {
    return !IsOpaque(mask, x - 1, y) || !IsOpaque(mask, x + 1, y) || !IsOpaque(mask, x, y - 1) ||
           !IsOpaque(mask, x, y + 1);
}

// Bar and star empty from the top: at level k the inside rows 1..k are free.
bool IsUsedRow(int /*x*/, int y, int level) {
    return y > level;
}

// How many whole fourteenths of a turn the pixel's centre lies clockwise from
// 12 o'clock, seen from the disc's centre (8, 8). No centre sits on a step
// boundary: the half turn runs along x = 8 between centres, and every centre
// is more than 0.1 degrees from the other boundaries, far beyond atan2's
// rounding, so the steps come out the same on every platform.
int SectorStep(int x, int y) {
    const double right = x + 0.5 - 8.0;
    const double up = 8.0 - (y + 0.5);
    double turn = std::atan2(right, up) / (2 * std::numbers::pi);
    if (turn < 0) turn += 1;
    return static_cast<int>(turn * kSteps);
}

// At level k the used sector runs clockwise from 12 o'clock over (14 - k) / 14
// of a turn. An inside pixel is in it when the angle of its centre is below
// the sector's angle, i.e. when it lies fewer than 14 - k whole steps round.
bool IsUsedSector(int x, int y, int level) {
    return SectorStep(x, y) < kSteps - level;
}

using UsedTest = bool (*)(int x, int y, int level);

struct Design {
    const Mask& mask;
    UsedTest isUsed;
};

Design DesignOf(TrayPictureKind kind) {
    switch (kind) {
        case TrayPictureKind::Bar: return {kBarMask, IsUsedRow};
        case TrayPictureKind::Pie: return {kPieMask, IsUsedSector};
        case TrayPictureKind::Star: return {kStarMask, IsUsedRow};
    }
    throw std::invalid_argument("unknown tray picture kind");
}

Rgba PixelColour(const Design& design, int level, int x, int y) {
    if (!IsOpaque(design.mask, x, y)) return kTransparent;
    if (IsOutline(design.mask, x, y)) return kOutline;
    return design.isUsed(x, y, level) ? UsedColour(level, x, y) : kFree;
}

PixelImage Picture(const Design& design, int level) {
    PixelImage picture(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) picture.At(x, y) = PixelColour(design, level, x, y);
    }
    return picture;
}

}  // namespace

std::vector<PixelImage> TrayPictures(TrayPictureKind kind) {
    const Design design = DesignOf(kind);
    std::vector<PixelImage> pictures;
    pictures.reserve(kTrayPictureCount);
    for (int level = 0; level < kTrayPictureCount; ++level) pictures.push_back(Picture(design, level));
    return pictures;
}

}  // namespace kuvano
