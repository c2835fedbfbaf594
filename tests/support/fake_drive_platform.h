#pragma once

#include <map>
#include <string>

#include "core/drive_platform.h"

namespace kuvano::testing {

// Drives by root ("C:\"); an unknown root answers as the system does for a
// letter with no drive behind it. Counts the type queries.
class FakeDrivePlatform final : public DrivePlatform {
public:
    struct Drive {
        DriveKind kind = DriveKind::Fixed;
        DriveSpace space;
        std::u16string displayName;
    };
    std::map<std::u16string, Drive> drives;
    mutable int kindQueries = 0;

    DriveKind Kind(const std::u16string& root) const override {
        ++kindQueries;
        return Find(root).kind;
    }
    DriveSpace Space(const std::u16string& root) const override { return Find(root).space; }
    std::u16string DisplayName(const std::u16string& root) const override { return Find(root).displayName; }
    uint32_t LogicalDrives() const override {
        uint32_t letters = 0;
        for (const auto& [root, drive] : drives) letters |= 1u << (root[0] - u'A');
        return letters;
    }

private:
    Drive Find(const std::u16string& root) const {
        const auto drive = drives.find(root);
        return drive == drives.end() ? Drive{DriveKind::NoRootDirectory, {}, {}} : drive->second;
    }
};

}  // namespace kuvano::testing
