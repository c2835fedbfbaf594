#include "folder_size/folder_size_pictures.h"

#include <array>

namespace kuvano {
namespace {

constexpr int kSide = 16;
constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kShadow{128, 128, 128, 255};

struct Band {
    Rgba onEven;
    Rgba onOdd;
};

// Two levels per band; levels 8 and 9 are a checkerboard of yellow and olive.
constexpr std::array<Band, kSurveyLevels / 2> kBands{{
    {{128, 128, 128, 255}, {128, 128, 128, 255}},
    {{0, 0, 255, 255}, {0, 0, 255, 255}},
    {{0, 255, 255, 255}, {0, 255, 255, 255}},
    {{0, 255, 0, 255}, {0, 255, 0, 255}},
    {{255, 255, 0, 255}, {128, 128, 0, 255}},
    {{255, 0, 255, 255}, {255, 0, 255, 255}},
    {{255, 0, 0, 255}, {255, 0, 0, 255}},
}};

bool IsFrame(int x, int y) {
    return y == 1 || y == kSide - 2 || x == 0 || x == kSide - 1;
}

// Dark pixels make the shape of a disabled picture; light ones vanish.
bool IsDark(const Rgba& pixel) {
    return pixel.a != 0 && pixel.r + pixel.g + pixel.b < 3 * 160;
}

const std::initializer_list<PaletteEntry> kPalette{
    {'K', {0, 0, 0, 255}},     {'W', {255, 255, 255, 255}}, {'Y', {255, 255, 0, 255}},
    {'O', {128, 128, 0, 255}}, {'R', {255, 0, 0, 255}},     {'C', {0, 255, 255, 255}},
};

}  // namespace

PixelImage LevelPicture(int level) {
    PixelImage picture(kSide, kSide);
    const Band& band = kBands.at(static_cast<size_t>(level / 2));
    for (int y = 1; y < kSide - 1; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool filled = x - 1 <= level;
            picture.At(x, y) = IsFrame(x, y) ? kBlack : !filled ? kWhite : (x + y) % 2 == 0 ? band.onEven : band.onOdd;
        }
    }
    return picture;
}

PixelImage DisabledPicture(const PixelImage& picture) {
    PixelImage disabled(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!IsDark(picture.At(x, y))) continue;
            if (x + 1 < picture.width && y + 1 < picture.height && !IsDark(picture.At(x + 1, y + 1))) {
                disabled.At(x + 1, y + 1) = kWhite;
            }
            disabled.At(x, y) = kShadow;
        }
    }
    return disabled;
}

// The rows are the pictures: keep them one per line. "." is the transparent ground.
// clang-format off
PixelImage FolderButtonPicture() {
    return ImageFromArt({
        "................",
        ".KKKK...........",
        "KYYYYK..........",
        "KYYYYK.K.K.K.K..",
        ".KKKK...........",
        "..K.............",
        "..K..KKKK.......",
        "..K.KYYYYK......",
        "..KKKYYYYK.K.K..",
        "..K..KKKK.......",
        "..K.............",
        "..K..KKKK.......",
        "..K.KYYYYK......",
        "..KKKYYYYK.K.K..",
        ".....KKKK.......",
        "................",
    }, kPalette);
}

PixelImage StartButtonPicture() {
    return ImageFromArt({
        "................",
        "................",
        "....KKKKKK......",
        "...KYOYOYOK.....",
        "..KCKOYOYOYKKKK.",
        "..KCKYOYOYOYOYK.",
        "..KCKOYOYOKKKK..",
        "..KCKYOYOYK.....",
        "..KCKOYOYOK.....",
        "...KKKKKKK......",
        "................",
        "................",
        "K.K.K.K.RR.K.K.K",
        "K.K.K.K.RR.K.K.K",
        "................",
        "................",
    }, kPalette);
}

PixelImage StopButtonPicture() {
    return ImageFromArt({
        ".....RRRRRR.....",
        "...RRRRRRRRRR...",
        "..RRRWWKKWWRRR..",
        ".RRRRWWKKWWWRRR.",
        ".RRWRRWKKWWWWRR.",
        "RRWWWRRKKWWWWWRR",
        "RRWWWWRRKWWWWWRR",
        "RRWWWWKRRWWWWWRR",
        "RRWWWWKKRRWWWWRR",
        "RRWWWWKKWRRWWWRR",
        "RRWWWWWWWWRRWWRR",
        ".RRWWWKKWWWRRRR.",
        ".RRRWWKKWWWWRRR.",
        "..RRRWWWWWWRRR..",
        "...RRRRRRRRRR...",
        ".....RRRRRR.....",
    }, kPalette);
}
// clang-format on

}  // namespace kuvano
