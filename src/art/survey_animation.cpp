#include "art/survey_animation.h"

#include <cmath>
#include <numbers>

namespace kuvano {
namespace {

constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kFolderEdge{128, 96, 0, 255};
constexpr Rgba kFolder{255, 208, 64, 255};
constexpr Rgba kRim{0, 0, 0, 255};
constexpr Rgba kLens{176, 224, 255, 255};
constexpr Rgba kGlint{255, 255, 255, 255};
constexpr Rgba kHandle{128, 64, 0, 255};

// Where the lens centre sits inside the glass picture, and the circle it
// follows over the folder; the circle keeps the whole glass inside the frame.
constexpr int kLensCentre = 3;
constexpr int kOrbitX = 11;
constexpr int kOrbitY = 13;
constexpr double kOrbitRadius = 4.0;

// The rows are the pictures: keep them one per line.
// clang-format off
// B blue, D folder edge, Y folder.
PixelImage Folder() {
    return ImageFromArt({
        "BBBBBBBBBBBBBBBBBBBBBBBB",
        "BBBBBBBBBBBBBBBBBBBBBBBB",
        "BBBBBBBBBBBBBBBBBBBBBBBB",
        "BBBDDDDDDBBBBBBBBBBBBBBB",
        "BBDYYYYYYDBBBBBBBBBBBBBB",
        "BDYYYYYYYYDDDDDDDDDDDDDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDDDDDDDDDDDDDDDDDDDDDDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDYYYYYYYYYYYYYYYYYYYYDB",
        "BDDDDDDDDDDDDDDDDDDDDDDB",
        "BBBBBBBBBBBBBBBBBBBBBBBB",
        "BBBBBBBBBBBBBBBBBBBBBBBB",
        "BBBBBBBBBBBBBBBBBBBBBBBB",
    }, {{'B', kBlue}, {'D', kFolderEdge}, {'Y', kFolder}});
}

// K rim, L lens, W glint, H handle, . transparent.
PixelImage Glass() {
    return ImageFromArt({
        "..KKK....",
        ".KLLLK...",
        "KLWLLLK..",
        "KLLLLLK..",
        "KLLLLLK..",
        ".KLLLKH..",
        "..KKKHHH.",
        "......HHH",
        ".......HH",
    }, {{'K', kRim}, {'L', kLens}, {'W', kGlint}, {'H', kHandle}});
}
// clang-format on

PixelImage FolderWithGlassAt(const PixelImage& folder, const PixelImage& glass, int lensX, int lensY) {
    PixelImage frame = folder;
    for (int y = 0; y < glass.height; ++y) {
        for (int x = 0; x < glass.width; ++x) {
            const Rgba pixel = glass.At(x, y);
            if (pixel.a != 0) frame.At(lensX - kLensCentre + x, lensY - kLensCentre + y) = pixel;
        }
    }
    return frame;
}

}  // namespace

// Loop frame k sits at (k - 1) elevenths of a turn, clockwise from the top.
std::vector<PixelImage> SurveyAnimationFrames() {
    const PixelImage folder = Folder();
    const PixelImage glass = Glass();
    std::vector<PixelImage> frames{FolderWithGlassAt(folder, glass, kOrbitX, kOrbitY)};
    constexpr int kSteps = kLastLoopFrame - kFirstLoopFrame + 1;
    for (int step = 0; step < kSteps; ++step) {
        const double angle = 2 * std::numbers::pi * step / kSteps;
        const int x = kOrbitX + static_cast<int>(std::lround(kOrbitRadius * std::sin(angle)));
        const int y = kOrbitY - static_cast<int>(std::lround(kOrbitRadius * std::cos(angle)));
        frames.push_back(FolderWithGlassAt(folder, glass, x, y));
    }
    return frames;
}

}  // namespace kuvano
