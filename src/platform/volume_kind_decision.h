#pragma once

#include <optional>
#include <string>

#include "core/volume_kind.h"

namespace kuvano {

// What the decision of a volume's kind asks of the system.
class VolumeProbe {
public:
    virtual ~VolumeProbe() = default;
    // The path the folder really lies at, through subst drives, junctions,
    // short names and the \\?\ form; nothing where it cannot be opened.
    virtual std::optional<std::u16string> ResolvedPath(const std::u16string& folder) const = 0;
    // Whether a drive letter is a network drive (a mapped letter).
    virtual bool IsRemoteLetter(char16_t letter) const = 0;
    // Whether the path's volume must seek between reads; nothing where it cannot say.
    virtual std::optional<bool> SeekPenalty(const std::u16string& path) const = 0;
};

// The kind of the volume the folder really lies on, or, where it cannot be
// resolved, of the folder as given: a UNC path or a mapped letter is a
// network volume, anything else is told by its seek penalty.
VolumeKind DecideVolumeKind(const std::u16string& folder, const VolumeProbe& probe);

}  // namespace kuvano
