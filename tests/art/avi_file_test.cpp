#include "art/avi_file.h"
#include "art/survey_animation.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kuvano {
namespace {

uint32_t Get32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 4; i-- > 0;) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
    return value;
}

struct RiffChunk {
    std::string label;  // the id, and for a list its type
    size_t body;
    uint32_t size;
};

// The chunks inside a list (or the whole file), each padded to an even length.
std::vector<RiffChunk> ChunksIn(const std::string& bytes, size_t begin, size_t end) {
    std::vector<RiffChunk> chunks;
    while (begin < end) {
        RiffChunk chunk{bytes.substr(begin, 4), begin + 8, Get32(bytes, begin + 4)};
        if (chunk.body + chunk.size > end) throw std::out_of_range("a chunk runs past its parent");
        if (chunk.label == "RIFF" || chunk.label == "LIST") chunk.label += " " + bytes.substr(chunk.body, 4);
        chunks.push_back(chunk);
        begin = chunk.body + chunk.size + chunk.size % 2;
    }
    return chunks;
}

std::vector<RiffChunk> Inside(const std::string& bytes, const RiffChunk& list) {
    return ChunksIn(bytes, list.body + 4, list.body + list.size);
}

std::string Labels(const std::vector<RiffChunk>& chunks) {
    std::string labels;
    for (const RiffChunk& chunk : chunks) labels += "[" + chunk.label + "]";
    return labels;
}

// Reads the clip back as a player does, each frame through the index and the palette.
void ExpectClipOf(const std::vector<PixelImage>& frames) {
    const std::string avi = AviFileBytes(frames, kSurveyFrameMicroseconds);
    const uint32_t width = static_cast<uint32_t>(frames[0].width), height = static_cast<uint32_t>(frames[0].height);
    const std::vector<RiffChunk> file = ChunksIn(avi, 0, avi.size());
    ASSERT_EQ(Labels(file), "[RIFF AVI ]");
    const std::vector<RiffChunk> parts = Inside(avi, file[0]);
    ASSERT_EQ(Labels(parts), "[LIST hdrl][LIST movi][idx1]");
    const std::vector<RiffChunk> header = Inside(avi, parts[0]);
    ASSERT_EQ(Labels(header), "[avih][LIST strl]");  // one stream: no sound
    EXPECT_EQ(Get32(avi, header[0].body + 16), frames.size());
    EXPECT_EQ(Get32(avi, header[0].body + 32), width);
    EXPECT_EQ(Get32(avi, header[0].body + 36), height);
    const std::vector<RiffChunk> stream = Inside(avi, header[1]);
    ASSERT_EQ(Labels(stream), "[strh][strf]");
    EXPECT_EQ(avi.substr(stream[0].body, 4), "vids");
    const size_t format = stream[1].body;
    EXPECT_EQ(Get32(avi, format + 4), width);
    EXPECT_EQ(Get32(avi, format + 8), height) << "positive: bottom-up rows";
    EXPECT_EQ(Get32(avi, format + 12), 1u | 8u << 16) << "1 plane of 8 bits";
    EXPECT_EQ(Get32(avi, format + 16), 0u) << "uncompressed";
    const uint32_t colours = Get32(avi, format + 32);
    ASSERT_EQ(stream[1].size, 40 + 4 * colours);

    const std::vector<RiffChunk> movie = Inside(avi, parts[1]);
    ASSERT_EQ(movie.size(), frames.size());
    ASSERT_EQ(parts[2].size, 16 * frames.size());
    const uint32_t rowBytes = (width + 3) / 4 * 4;
    for (size_t i = 0; i < frames.size(); ++i) {
        const size_t entry = parts[2].body + 16 * i;
        ASSERT_EQ(avi.substr(entry, 4) + movie[i].label, "00db00db");
        EXPECT_EQ(parts[1].body + Get32(avi, entry + 8), movie[i].body - 8) << "counted from 'movi'";
        ASSERT_EQ(Get32(avi, entry + 12), rowBytes * height);
        ASSERT_EQ(movie[i].size, rowBytes * height);
        for (uint32_t y = 0; y < height; ++y) {
            for (uint32_t x = 0; x < width; ++x) {
                const auto index = static_cast<uint8_t>(avi[movie[i].body + (height - 1 - y) * rowBytes + x]);
                ASSERT_LT(index, colours);
                const Rgba pixel = frames[i].At(static_cast<int>(x), static_cast<int>(y));
                ASSERT_EQ(Get32(avi, format + 40 + 4 * size_t{index}), pixel.b | pixel.g << 8 | pixel.r << 16)
                    << i << ": " << x << "," << y;
            }
        }
    }
}

TEST(AviFile, ReadsBackAsTheFramesInTheirOrder) {
    PixelImage first(5, 3);  // an odd width needs padded rows
    PixelImage second(5, 3);
    for (int x = 0; x < 5; ++x) {
        first.At(x, 0) = {255, 0, 0, 255};
        second.At(x, 2) = {0, static_cast<uint8_t>(40 * x), 0, 255};
    }
    ExpectClipOf({first, second});
    ExpectClipOf(SurveyAnimationFrames());
}

TEST(AviFile, RefusesMoreThan256ColoursAndFramesOfDifferentSizes) {
    PixelImage full(16, 16);
    for (size_t i = 0; i < 256; ++i) full.pixels[i] = {static_cast<uint8_t>(i), 0, 0, 255};
    EXPECT_NO_THROW(AviFileBytes({full}, 1));
    PixelImage oneMore(16, 16);
    oneMore.At(0, 0) = {0, 1, 0, 255};
    EXPECT_THROW(AviFileBytes({full, oneMore}, 1), std::invalid_argument);
    EXPECT_THROW(AviFileBytes({full, PixelImage(16, 15)}, 1), std::invalid_argument);
}

TEST(SurveyAnimation, TwelveFramesOf24By24AllDifferent) {
    const std::vector<PixelImage> frames = SurveyAnimationFrames();
    ASSERT_EQ(frames.size(), static_cast<size_t>(kLastLoopFrame) + 1) << "the loop ends on the last frame";
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ(std::make_pair(frames[i].width, frames[i].height), std::make_pair(24, 24));
        for (size_t j = 0; j < i; ++j) EXPECT_NE(frames[i].pixels, frames[j].pixels) << i << " " << j;
    }
}

}  // namespace
}  // namespace kuvano
