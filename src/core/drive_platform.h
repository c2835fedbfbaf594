#pragma once

#include <cstdint>
#include <string>

namespace kuvano {

// The system's drive type codes, as the drive-type query answers them.
enum class DriveKind : uint32_t {
    Unknown = 0,
    NoRootDirectory = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

// Free bytes available to the caller and total bytes of one volume; 0 and 0
// when the query fails.
struct DriveSpace {
    int64_t freeBytes = 0;
    int64_t totalBytes = 0;
    bool operator==(const DriveSpace&) const = default;
};

// Only removable and fixed drives are ever watched.
inline bool IsWatchedDriveKind(DriveKind kind) {
    return kind == DriveKind::Removable || kind == DriveKind::Fixed;
}

class DrivePlatform {
public:
    virtual ~DrivePlatform() = default;
    virtual DriveKind Kind(const std::u16string& root) const = 0;
    // Never brings up a critical-error dialog (no "insert a disk" box).
    virtual DriveSpace Space(const std::u16string& root) const = 0;
    // The shell's display name of the drive, such as "Local Disk (C:)".
    virtual std::u16string DisplayName(const std::u16string& root) const = 0;
    // The letters that name a volume now, bit 0 for A to bit 25 for Z.
    virtual uint32_t LogicalDrives() const = 0;
};

}  // namespace kuvano
