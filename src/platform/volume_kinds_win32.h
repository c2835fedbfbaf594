#pragma once

#include "core/volume_kind.h"

namespace kuvano {

// Resolves the folder with GetFinalPathNameByHandleW; a UNC path or a letter
// that GetDriveTypeW calls remote is a network volume, any other is asked of
// its storage driver whether it incurs a seek penalty
// (IOCTL_STORAGE_QUERY_PROPERTY on \\.\C: or the volume's GUID device).
class VolumeKindsWin32 final : public VolumeKinds {
public:
    VolumeKind KindOf(const std::u16string& folder) const override;
};

}  // namespace kuvano
