#include "platform/icon_from_pixels_win32.h"

#include <vector>

namespace kuvano {
namespace {

UniqueBitmap ColourBitmap(const PixelImage& image) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof(header);
    header.bV5Width = image.width;
    header.bV5Height = -image.height;  // top-down, as the picture is stored
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    UniqueBitmap bitmap(
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return bitmap;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (const Rgba& p : image.pixels) {
        *pixels++ = uint32_t{p.a} << 24 | uint32_t{p.r} << 16 | uint32_t{p.g} << 8 | p.b;
    }
    return bitmap;
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
    const UniqueBitmap colour = ColourBitmap(image);
    const UniqueBitmap mask = MaskBitmap(image);
    if (!colour || !mask) return UniqueIcon();
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    return UniqueIcon(CreateIconIndirect(&info));  // the icon keeps copies of both bitmaps
}

}  // namespace kuvano
