#pragma once

#include <map>
#include <string>

#include "platform/drive_platform.h"

namespace kuvano {

// Remembers each root's drive type until the system reports a device change.
// The displays ask for the type of every letter each second, and a letter's
// type only changes when a volume arrives or leaves, which the system
// announces to every top-level window. Free space is always asked afresh.
class DriveKindCache final : public DrivePlatform {
public:
    explicit DriveKindCache(const DrivePlatform& system) : system_(system) {}

    DriveKind Kind(const std::u16string& root) const override;
    DriveSpace Space(const std::u16string& root) const override { return system_.Space(root); }
    std::u16string DisplayName(const std::u16string& root) const override { return system_.DisplayName(root); }

    // A volume arrived or left: every type is asked again.
    void Forget() { kinds_.clear(); }

private:
    const DrivePlatform& system_;
    mutable std::map<std::u16string, DriveKind> kinds_;
};

}  // namespace kuvano
