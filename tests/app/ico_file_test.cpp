#include "app/ico_file.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kuvano {
namespace {

uint32_t Read16(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8;
}

uint32_t Read32(const std::string& bytes, size_t at) { return Read16(bytes, at) | Read16(bytes, at + 2) << 16; }

TEST(IcoFileBytes, DescribesEachImageInTheDirectory) {
    const std::string ico = IcoFileBytes({PixelImage(32, 32), PixelImage(16, 16)});
    EXPECT_EQ(Read16(ico, 0), 0u);
    EXPECT_EQ(Read16(ico, 2), 1u);  // an icon, not a cursor
    EXPECT_EQ(Read16(ico, 4), 2u);
    const uint32_t bytes32 = 40 + 32 * 32 * 4 + 32 * 4;  // header, colours, mask rows of 4 bytes
    const uint32_t bytes16 = 40 + 16 * 16 * 4 + 16 * 4;
    EXPECT_EQ(static_cast<uint8_t>(ico[6]), 32);
    EXPECT_EQ(Read16(ico, 6 + 6), 32u);  // bits per pixel
    EXPECT_EQ(Read32(ico, 6 + 8), bytes32);
    EXPECT_EQ(Read32(ico, 6 + 12), 6u + 2 * 16);
    EXPECT_EQ(static_cast<uint8_t>(ico[22]), 16);
    EXPECT_EQ(Read32(ico, 22 + 8), bytes16);
    EXPECT_EQ(Read32(ico, 22 + 12), 6u + 2 * 16 + bytes32);
    EXPECT_EQ(ico.size(), 6u + 2 * 16 + bytes32 + bytes16);
}

TEST(IcoFileBytes, StoresPixelsBottomUpWithATransparencyMask) {
    PixelImage image(2, 2);
    image.At(0, 0) = {10, 20, 30, 255};  // top left, opaque
    image.At(1, 1) = {40, 50, 60, 255};  // bottom right, opaque
    const std::string ico = IcoFileBytes({image});
    const size_t dib = Read32(ico, 6 + 12);
    EXPECT_EQ(Read32(ico, dib + 4), 2u);
    EXPECT_EQ(Read32(ico, dib + 8), 4u);  // colour and mask heights together
    const size_t colours = dib + 40;
    // Bottom row first, each pixel as blue, green, red, alpha.
    EXPECT_EQ(ico.substr(colours + 4, 4), std::string("\x3C\x32\x28\xFF", 4));
    EXPECT_EQ(ico.substr(colours + 8, 4), std::string("\x1E\x14\x0A\xFF", 4));
    const size_t mask = colours + 2 * 2 * 4;
    EXPECT_EQ(static_cast<uint8_t>(ico[mask]), 0x80);      // bottom row: left transparent
    EXPECT_EQ(static_cast<uint8_t>(ico[mask + 4]), 0x40);  // top row: right transparent
}

}  // namespace
}  // namespace kuvano
