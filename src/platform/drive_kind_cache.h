#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "core/drive_platform.h"

namespace kuvano {

// Remembers each root's drive type until its letter may have changed. The
// displays ask for the type of every letter each second, and a letter's type
// only changes when a volume arrives or leaves. The system announces most of
// those to every top-level window; letters that come and go unannounced (a
// substituted folder, say) show in the mask of letters in use, which is
// cheaper to compare than every type is to ask. Free space is always asked
// afresh.
class DriveKindCache final : public DrivePlatform {
public:
    explicit DriveKindCache(const DrivePlatform& system) : system_(system) {}

    DriveKind Kind(const std::u16string& root) const override;
    DriveSpace Space(const std::u16string& root) const override { return system_.Space(root); }
    std::u16string DisplayName(const std::u16string& root) const override { return system_.DisplayName(root); }

    uint32_t LogicalDrives() const override { return system_.LogicalDrives(); }

    // A volume arrived or left: every type is asked again.
    void Forget() { kinds_.clear(); }
    // Compares the letters in use with those seen last time and forgets the
    // types of the letters that changed.
    void FollowLetters();

private:
    const DrivePlatform& system_;
    mutable std::map<std::u16string, DriveKind> kinds_;
    std::optional<uint32_t> letters_;
};

}  // namespace kuvano
