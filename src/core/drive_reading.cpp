#include "core/drive_reading.h"

namespace kuvano {

DriveReading ReadDrive(const DrivePlatform& drives, const LowSpaceWarning& warning, const std::u16string& root,
                       BlinkFlag& blinkFlag) {
    DriveReading reading{drives.Space(root)};
    reading.frame = FreeLevel(reading.space.freeBytes, reading.space.totalBytes);
    int32_t unusedFreePercent = 0;
    warning.DoTenmetu(kMaxFreeLevel, blinkFlag, reading.space.freeBytes, reading.frame, unusedFreePercent);
    return reading;
}

std::optional<DriveReading> ReadWatchedDrive(const DrivePlatform& drives, const LowSpaceWarning& warning,
                                             const std::u16string& root, BlinkFlag& blinkFlag) {
    if (!IsWatchedDriveKind(drives.Kind(root))) return std::nullopt;
    return ReadDrive(drives, warning, root, blinkFlag);
}

}  // namespace kuvano
