#include "platform/icon_from_pixels_win32.h"

#include <vector>

#include "platform/pixel_bitmap_win32.h"

namespace kuvano {
namespace {

uint32_t Straight(const Rgba& p) {
    return uint32_t{p.a} << 24 | uint32_t{p.r} << 16 | uint32_t{p.g} << 8 | p.b;
}

// One bit per pixel, rows padded to 16 bits; a set bit is transparent.
UniqueBitmap MaskBitmap(const PixelImage& image) {
    const size_t rowBytes = static_cast<size_t>((image.width + 15) / 16 * 2);
    std::vector<uint8_t> bits(rowBytes * static_cast<size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y).a == 0)
                bits[static_cast<size_t>(y) * rowBytes + static_cast<size_t>(x / 8)] |=
                    static_cast<uint8_t>(0x80 >> (x % 8));
        }
    }
    return UniqueBitmap(CreateBitmap(image.width, image.height, 1, 1, bits.data()));
}

}  // namespace

UniqueIcon IconFromPixels(const PixelImage& image) {
    const UniqueBitmap colour = BitmapFromPixels(image, Straight);
    const UniqueBitmap mask = MaskBitmap(image);
    if (!colour || !mask) return UniqueIcon();
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    return UniqueIcon(CreateIconIndirect(&info));  // the icon keeps copies of both bitmaps
}

}  // namespace kuvano
