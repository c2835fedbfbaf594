#include "core/pixel_image.h"

#include <algorithm>
#include <stdexcept>

#include "core/display_scale.h"

namespace kuvano {

PixelImage ImageFromArt(std::initializer_list<std::string_view> rows, std::initializer_list<PaletteEntry> palette) {
    const int height = static_cast<int>(rows.size());
    const int width = height == 0 ? 0 : static_cast<int>(rows.begin()->size());
    PixelImage image(width, height);
    int y = 0;
    for (std::string_view row : rows) {
        if (static_cast<int>(row.size()) != width) throw std::invalid_argument("pixel art rows differ in length");
        for (int x = 0; x < width; ++x) {
            const char symbol = row[static_cast<size_t>(x)];
            if (symbol == '.') continue;
            const auto entry = std::ranges::find(palette, symbol, &PaletteEntry::symbol);
            if (entry == palette.end()) throw std::invalid_argument("pixel art symbol without a colour");
            image.At(x, y) = entry->colour;
        }
        ++y;
    }
    return image;
}

// Nearest neighbour by whole steps; a picture larger than its target keeps
// its middle.
PixelImage FitByWholeSteps(const PixelImage& art, int width, int height) {
    const int step = std::min(WholeStep(art.width, width), WholeStep(art.height, height));
    const int left = (width - art.width * step) / 2;
    const int top = (height - art.height * step) / 2;
    PixelImage fitted(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int artX = x - left;
            const int artY = y - top;
            if (artX < 0 || artY < 0 || artX >= art.width * step || artY >= art.height * step) continue;
            fitted.At(x, y) = art.At(artX / step, artY / step);
        }
    }
    return fitted;
}

}  // namespace kuvano
