#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kuvano {

struct Rgba {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    uint8_t a = 0;  // 0 transparent, 255 opaque
    bool operator==(const Rgba&) const = default;
};

inline constexpr Rgba kTransparent{0, 0, 0, 0};

// A small picture as plain pixels, row by row from the top.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    PixelImage(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h)) {}
    Rgba& At(int x, int y) {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
    const Rgba& At(int x, int y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

struct PaletteEntry {
    char symbol;
    Rgba colour;
};

// The picture at the largest whole multiple of its size that fits
// `width` x `height`, pixel for pixel, centred on a transparent ground.
PixelImage FitByWholeSteps(const PixelImage& art, int width, int height);

// Builds a picture from rows of symbols, one per pixel; "." is transparent.
PixelImage ImageFromArt(std::initializer_list<std::string_view> rows, std::initializer_list<PaletteEntry> palette);

}  // namespace kuvano
