#include "art/ico_file.h"

#include <cstdint>

#include "art/little_endian.h"

namespace kuvano {
namespace {

size_t MaskRowBytes(int width) {
    return static_cast<size_t>((width + 31) / 32 * 4);
}

// A DIB as icons store it: header with doubled height, colour rows bottom-up,
// then the AND mask (1 = transparent), also bottom-up.
std::string IconImage(const PixelImage& image) {
    const auto width = static_cast<uint32_t>(image.width);
    const auto height = static_cast<uint32_t>(image.height);
    std::string out;
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height * 2);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    for (int field = 0; field < 6; ++field) Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba p = image.At(x, y);
            out += {static_cast<char>(p.b), static_cast<char>(p.g), static_cast<char>(p.r), static_cast<char>(p.a)};
        }
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(MaskRowBytes(image.width), '\0');
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y).a == 0) row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        }
        out += row;
    }
    return out;
}

}  // namespace

std::string IcoFileBytes(const std::vector<PixelImage>& images) {
    std::string header;
    Put16(header, 0);
    Put16(header, 1);  // icon
    Put16(header, static_cast<uint32_t>(images.size()));
    std::string data;
    const size_t firstImageOffset = 6 + 16 * images.size();
    for (const PixelImage& image : images) {
        const std::string dib = IconImage(image);
        header.push_back(static_cast<char>(image.width & 0xFF));  // 256 is written as 0
        header.push_back(static_cast<char>(image.height & 0xFF));
        Put16(header, 0);  // no palette, reserved
        Put16(header, 1);  // planes
        Put16(header, 32);
        Put32(header, static_cast<uint32_t>(dib.size()));
        Put32(header, static_cast<uint32_t>(firstImageOffset + data.size()));
        data += dib;
    }
    return header + data;
}

}  // namespace kuvano
