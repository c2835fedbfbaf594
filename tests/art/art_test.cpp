#include "art/avi_file.h"
#include "art/program_icon.h"
#include "art/survey_animation.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kuvano {
namespace {

// How the clip reads back is for the animation control to say, under Wine.
TEST(AviFile, RefusesWhatNoClipCanHold) {
    PixelImage full(16, 16);
    for (size_t i = 0; i < 256; ++i) full.pixels[i] = {static_cast<uint8_t>(i), 0, 0, 255};
    PixelImage oneMore(16, 16);
    oneMore.At(0, 0) = {0, 1, 0, 255};
    EXPECT_NO_THROW(AviFileBytes({full, full}, 1));
    // clang-format off
    const std::pair<const char*, std::vector<PixelImage>> refused[] = {
        {"no frames", {}}, {"an empty frame", {PixelImage(0, 16)}}, {"257 colours", {full, oneMore}},
        {"heights differ", {full, PixelImage(16, 15)}}, {"widths differ", {full, PixelImage(15, 16)}}};
    // clang-format on
    for (const auto& [what, frames] : refused) EXPECT_THROW(AviFileBytes(frames, 1), std::invalid_argument) << what;
    EXPECT_THROW(AviFileBytes({full}, 0), std::invalid_argument) << "no time per frame";
}

// An AVI has no transparency; the loop moves on at every frame.
TEST(SurveyAnimation, OpaqueFramesOf24By24AllDifferent) {
    const std::vector<PixelImage> frames = SurveyAnimationFrames();
    ASSERT_EQ(frames.size(), static_cast<size_t>(kLastLoopFrame) + 1);
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ(frames[i].width * frames[i].height, 24 * 24);
        for (const Rgba& pixel : frames[i].pixels) ASSERT_EQ(pixel.a, 255) << i;
        for (size_t j = 0; j < i; ++j) EXPECT_NE(frames[i].pixels, frames[j].pixels) << i << " " << j;
    }
}

// Each side shows the star that covers most of it by whole steps; on a tie the large one.
TEST(ProgramIcon, EachSideFromTheStarThatCoversMostOfIt) {
    const PixelImage small = ProgramIcon16(), large = ProgramIcon32();
    const std::pair<int, const PixelImage*> sides[] = {{16, &small}, {20, &small}, {31, &small}, {32, &large},
                                                       {40, &large}, {48, &small}, {64, &large}};
    for (const auto& [side, star] : sides)
        EXPECT_EQ(ProgramIconAt(side).pixels, FitByWholeSteps(*star, side, side).pixels) << side;
}

}  // namespace
}  // namespace kuvano
