#include "core/drive_reading.h"

namespace kuvano {

DriveReading ReadDrive(const DrivePlatform& drives, const LowSpaceWarning& warning, const std::u16string& root,
                       BlinkFlag& blinkFlag) {
    DriveReading reading{drives.Space(root)};
    reading.frame = warning.WarningBeat(blinkFlag, reading.space.freeBytes)
                        ? kWarningFrame
                        : FreeLevel(reading.space.freeBytes, reading.space.totalBytes);
    return reading;
}

std::optional<DriveReading> ReadWatchedDrive(const DrivePlatform& drives, const LowSpaceWarning& warning,
                                             const std::u16string& root, BlinkFlag& blinkFlag) {
    if (!IsWatchedDriveKind(drives.Kind(root))) return std::nullopt;
    return ReadDrive(drives, warning, root, blinkFlag);
}

}  // namespace kuvano
