#pragma once

#include "core/volume_seek_penalty.h"

namespace kuvano {

// Asks the storage driver of the folder's volume (\\.\C: for a drive
// letter) whether it incurs a seek penalty. Nothing for a network share, or
// where the volume cannot be opened or the driver does not answer.
class VolumeSeekPenaltyWin32 final : public VolumeSeekPenalty {
public:
    std::optional<bool> SeekPenalty(const std::u16string& folder) const override;
};

}  // namespace kuvano
