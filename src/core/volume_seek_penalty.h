#pragma once

#include <optional>
#include <string>

namespace kuvano {

// Whether the volume holding a folder must seek between reads, as a spinning
// disk must: there many walkers at once only make the head jump about.
class VolumeSeekPenalty {
public:
    virtual ~VolumeSeekPenalty() = default;
    // Nothing when the system cannot tell.
    virtual std::optional<bool> SeekPenalty(const std::u16string& folder) const = 0;
};

}  // namespace kuvano
