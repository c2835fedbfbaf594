#pragma once

#include "core/drive_platform.h"

namespace kuvano {

class DrivePlatformWin32 final : public DrivePlatform {
public:
    DriveKind Kind(const std::u16string& root) const override;
    DriveSpace Space(const std::u16string& root) const override;
    std::u16string DisplayName(const std::u16string& root) const override;
    uint32_t LogicalDrives() const override;
};

}  // namespace kuvano
