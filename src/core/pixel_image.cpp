#include "core/pixel_image.h"

#include <algorithm>
#include <stdexcept>

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

}  // namespace kuvano
