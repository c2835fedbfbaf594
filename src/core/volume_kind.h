#pragma once

#include <cstdint>
#include <string>

namespace kuvano {

// What a folder's volume is, as far as walking it in parallel goes: a
// spinning disk only makes its head jump about, while a network share is
// bound by round trips that many walkers overlap.
enum class VolumeKind : uint8_t { SolidState, Spinning, Network, Unknown };

class VolumeKinds {
public:
    virtual ~VolumeKinds() = default;
    // The volume the folder resolves to, through subst drives and junctions.
    // Slow on a share whose server is gone: never asked on a window's thread.
    virtual VolumeKind KindOf(const std::u16string& folder) const = 0;
};

}  // namespace kuvano
