#pragma once

#include <cstdint>

namespace kuvano {

// The busy clip that ships beside the program: the build draws it, the folder
// size panel plays it. Frame 0 is the still picture; frames 1 to 11 carry the
// glass once round a circle, so that looping them runs smoothly.
inline constexpr int kFirstLoopFrame = 1;
inline constexpr int kLastLoopFrame = 11;
inline constexpr uint32_t kSurveyFrameMicroseconds = 100'000;

}  // namespace kuvano
