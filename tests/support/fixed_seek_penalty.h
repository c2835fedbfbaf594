#pragma once

#include "core/volume_seek_penalty.h"

namespace kuvano::testing {

// Every volume answers the same: true gives a survey one worker, false one per core.
struct FixedSeekPenalty final : VolumeSeekPenalty {
    explicit FixedSeekPenalty(std::optional<bool> given) : answer(given) {}
    std::optional<bool> SeekPenalty(const std::u16string&) const override { return answer; }
    std::optional<bool> answer;
};

}  // namespace kuvano::testing
