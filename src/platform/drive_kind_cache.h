#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "core/drive_platform.h"
#include "platform/bounded_space_reader.h"

namespace kuvano {

// Remembers each root's drive type until its letter may have changed. The
// displays ask for the type of every letter each second, and a letter's type
// only changes when a volume arrives or leaves. The system announces most of
// those to every top-level window; letters that come and go unannounced (a
// substituted folder, say) show in the mask of letters in use, which is
// cheaper to compare than every type is to ask. Free space is always asked
// afresh; that of a drive neither removable nor fixed (the tray's fallback to
// the program's own drive, which may be a network one) without waiting long.
class DriveKindCache final : public DrivePlatform {
public:
    static constexpr std::chrono::milliseconds kSlowDriveBound{50};

    explicit DriveKindCache(const DrivePlatform& system) : system_(system), slowDrives_(system, kSlowDriveBound) {}

    DriveKind Kind(const std::u16string& root) const override;
    DriveSpace Space(const std::u16string& root) const override;
    std::u16string DisplayName(const std::u16string& root) const override { return system_.DisplayName(root); }

    uint32_t LogicalDrives() const override { return system_.LogicalDrives(); }

    // A volume arrived or left: every type is asked again.
    void Forget() { kinds_.clear(); }
    // Compares the letters in use with those seen last time and forgets the
    // types of the letters that changed.
    void FollowLetters();

private:
    const DrivePlatform& system_;
    BoundedSpaceReader slowDrives_;
    mutable std::map<std::u16string, DriveKind> kinds_;
    std::optional<uint32_t> letters_;
};

}  // namespace kuvano
