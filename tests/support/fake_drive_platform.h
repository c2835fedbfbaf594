#pragma once

#include <map>
#include <string>

#include "core/drive_platform.h"

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
    uint32_t LogicalDrives() const override {
        uint32_t letters = 0;
        for (const auto& [root, drive] : drives) {
            if (drive.kind != DriveKind::NoRootDirectory) letters |= 1u << (root[0] - u'A');
        }
        return letters;
    }
};

}  // namespace kuvano::testing
