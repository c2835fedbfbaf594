#include "art/avi_file.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "art/little_endian.h"

namespace kuvano {
namespace {

constexpr uint32_t kHasIndex = 0x10;  // main header flag
constexpr uint32_t kKeyFrame = 0x10;  // index entry flag
constexpr std::string_view kFrameChunk = "00db";

// RIFF chunks start on even offsets: an odd body gets one byte of padding.
std::string Chunk(std::string_view id, std::string_view body) {
    std::string out(id);
    Put32(out, static_cast<uint32_t>(body.size()));
    out += body;
    if (body.size() % 2 != 0) out.push_back('\0');
    return out;
}

std::string List(std::string_view type, std::string_view body) {
    return Chunk("LIST", std::string(type) + std::string(body));
}

struct Geometry {
    uint32_t width;
    uint32_t height;
    uint32_t rowBytes;  // rows of DIBs are padded to 4 bytes
    uint32_t frameBytes;
};

Geometry GeometryOf(const std::vector<PixelImage>& frames) {
    if (frames.empty() || frames[0].width <= 0 || frames[0].height <= 0) {
        throw std::invalid_argument("a clip needs frames");
    }
    const PixelImage& first = frames[0];
    for (const PixelImage& frame : frames) {
        if (frame.width != first.width || frame.height != first.height) {
            throw std::invalid_argument("the frames of a clip differ in size");
        }
    }
    const auto width = static_cast<uint32_t>(first.width);
    const auto height = static_cast<uint32_t>(first.height);
    const uint32_t rowBytes = (width + 3) / 4 * 4;
    return {width, height, rowBytes, rowBytes * height};
}

uint8_t PaletteIndex(std::vector<Rgba>& palette, Rgba pixel) {
    const Rgba colour{pixel.r, pixel.g, pixel.b, 0};
    auto entry = std::ranges::find(palette, colour);
    if (entry == palette.end()) {
        if (palette.size() == 256) throw std::invalid_argument("a clip has more than 256 colours");
        entry = palette.insert(palette.end(), colour);
    }
    return static_cast<uint8_t>(entry - palette.begin());
}

// Frame bodies as bottom-up rows of palette indices, filling the palette as
// colours first appear.
std::vector<std::string> FrameBodies(const std::vector<PixelImage>& frames, const Geometry& geometry,
                                     std::vector<Rgba>& palette) {
    std::vector<std::string> bodies;
    for (const PixelImage& frame : frames) {
        std::string body(geometry.frameBytes, '\0');
        for (int y = 0; y < frame.height; ++y) {
            const size_t row = static_cast<size_t>(frame.height - 1 - y) * geometry.rowBytes;
            for (int x = 0; x < frame.width; ++x) {
                body[row + static_cast<size_t>(x)] = static_cast<char>(PaletteIndex(palette, frame.At(x, y)));
            }
        }
        bodies.push_back(std::move(body));
    }
    return bodies;
}

std::string MainHeader(const Geometry& geometry, uint32_t frameCount, uint32_t microsecondsPerFrame) {
    std::string out;
    Put32(out, microsecondsPerFrame);
    Put32(out, static_cast<uint32_t>(uint64_t{geometry.frameBytes} * 1'000'000 / microsecondsPerFrame));
    Put32(out, 0);  // padding granularity
    Put32(out, kHasIndex);
    Put32(out, frameCount);
    Put32(out, 0);  // initial frames
    Put32(out, 1);  // streams
    Put32(out, geometry.frameBytes);
    Put32(out, geometry.width);
    Put32(out, geometry.height);
    for (int reserved = 0; reserved < 4; ++reserved) Put32(out, 0);
    return Chunk("avih", out);
}

std::string StreamHeader(const Geometry& geometry, uint32_t frameCount, uint32_t microsecondsPerFrame) {
    std::string out = "vidsDIB ";
    Put32(out, 0);  // flags
    Put16(out, 0);  // priority
    Put16(out, 0);  // language
    Put32(out, 0);  // initial frames
    Put32(out, microsecondsPerFrame);
    Put32(out, 1'000'000);  // rate / scale = frames per second
    Put32(out, 0);          // start
    Put32(out, frameCount);
    Put32(out, geometry.frameBytes);
    Put32(out, 0xFFFFFFFF);  // default quality
    Put32(out, 0);           // sample size: frames vary
    Put16(out, 0);           // frame rectangle: left, top, right, bottom
    Put16(out, 0);
    Put16(out, geometry.width);
    Put16(out, geometry.height);
    return Chunk("strh", out);
}

// A BITMAPINFOHEADER (positive height: bottom-up) and the palette.
std::string StreamFormat(const Geometry& geometry, const std::vector<Rgba>& palette) {
    std::string out;
    Put32(out, 40);
    Put32(out, geometry.width);
    Put32(out, geometry.height);
    Put16(out, 1);  // planes
    Put16(out, 8);  // bits per pixel
    Put32(out, 0);  // BI_RGB
    Put32(out, geometry.frameBytes);
    Put32(out, 0);  // pixels per metre, x and y
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(palette.size()));
    Put32(out, 0);  // every colour is important
    for (const Rgba& colour : palette)
        out += {static_cast<char>(colour.b), static_cast<char>(colour.g), static_cast<char>(colour.r), '\0'};
    return Chunk("strf", out);
}

// Index offsets count from the 'movi' type code, which the first chunk follows.
std::string Index(const std::vector<std::string>& bodies) {
    std::string out;
    uint32_t offset = 4;
    for (const std::string& body : bodies) {
        out += kFrameChunk;
        Put32(out, kKeyFrame);
        Put32(out, offset);
        Put32(out, static_cast<uint32_t>(body.size()));
        offset += 8 + static_cast<uint32_t>(body.size() + body.size() % 2);
    }
    return Chunk("idx1", out);
}

}  // namespace

std::string AviFileBytes(const std::vector<PixelImage>& frames, uint32_t microsecondsPerFrame) {
    if (microsecondsPerFrame == 0) throw std::invalid_argument("a clip's frames need a duration");
    const Geometry geometry = GeometryOf(frames);
    std::vector<Rgba> palette;
    const std::vector<std::string> bodies = FrameBodies(frames, geometry, palette);
    const auto frameCount = static_cast<uint32_t>(frames.size());
    const std::string streamList =
        List("strl", StreamHeader(geometry, frameCount, microsecondsPerFrame) + StreamFormat(geometry, palette));
    std::string movie;
    for (const std::string& body : bodies) movie += Chunk(kFrameChunk, body);
    return Chunk("RIFF", "AVI " + List("hdrl", MainHeader(geometry, frameCount, microsecondsPerFrame) + streamList) +
                             List("movi", movie) + Index(bodies));
}

}  // namespace kuvano
