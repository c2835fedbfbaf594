#include "platform/pixel_bitmap_win32.h"

namespace kuvano {

UniqueBitmap BitmapFromPixels(const PixelImage& image, uint32_t (*pack)(const Rgba&)) {
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
    auto* pixel = static_cast<uint32_t*>(bits);
    for (const Rgba& p : image.pixels) *pixel++ = pack(p);
    return bitmap;
}

}  // namespace kuvano
