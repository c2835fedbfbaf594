#include "core/drive_reading.h"

#include "core/drive_name.h"

namespace kuvano {

DriveReading ReadingOf(DriveSpace space, const LowSpaceWarning& warning, BlinkFlag& blinkFlag) {
    return {space, warning.WarningBeat(blinkFlag, space.freeBytes) ? kWarningFrame
                                                                   : FreeLevel(space.freeBytes, space.totalBytes)};
}

DriveReading ReadDrive(const DrivePlatform& drives, const LowSpaceWarning& warning, const std::u16string& root,
                       BlinkFlag& blinkFlag) {
    return ReadingOf(drives.Space(root), warning, blinkFlag);
}

std::optional<DriveReading> ReadWatchedDrive(const DrivePlatform& drives, const LowSpaceWarning& warning,
                                             const std::u16string& root, BlinkFlag& blinkFlag) {
    if (!IsWatchedDriveKind(drives.Kind(root))) return std::nullopt;
    return ReadDrive(drives, warning, root, blinkFlag);
}

std::vector<WatchedDrive> ReadWatchedDrives(const DrivePlatform& drives) {
    std::vector<WatchedDrive> watched;
    for (const char letter : kWatchedDriveLetters) {
        const std::u16string root = DriveRoot(std::string(1, letter));
        if (IsWatchedDriveKind(drives.Kind(root))) watched.push_back({letter, drives.Space(root)});
    }
    return watched;
}

}  // namespace kuvano
