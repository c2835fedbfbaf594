#pragma once

#include <map>
#include <string>

#include "platform/drive_platform.h"

namespace kuvano::testing {

// Drives by root ("C:\"); an unknown root answers as the system does for a
// letter with no drive behind it.
class FakeDrivePlatform final : public DrivePlatform {
public:
    struct Drive {
        DriveKind kind = DriveKind::Fixed;
        DriveSpace space;
        std::u16string displayName;
    };
    std::map<std::u16string, Drive> drives;

    DriveKind Kind(const std::u16string& root) const override {
        const auto drive = drives.find(root);
        return drive == drives.end() ? DriveKind::NoRootDirectory : drive->second.kind;
    }
    DriveSpace Space(const std::u16string& root) const override {
        const auto drive = drives.find(root);
        return drive == drives.end() ? DriveSpace{} : drive->second.space;
    }
    std::u16string DisplayName(const std::u16string& root) const override {
        const auto drive = drives.find(root);
        return drive == drives.end() ? std::u16string{} : drive->second.displayName;
    }
};

}  // namespace kuvano::testing
