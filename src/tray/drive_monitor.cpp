#include "tray/drive_monitor.h"

#include "core/drive_name.h"
#include "core/free_level.h"
#include "tray/tray_tooltip.h"

namespace kuvano {
namespace {

std::optional<TrayPictureChoice> PictureFor(int32_t syurui, int32_t level) {
    if (syurui < 0 || syurui > 2) return std::nullopt;
    return TrayPictureChoice{static_cast<TrayIconKind>(syurui), level};
}

}  // namespace

TrayUpdate DriveMonitor::myGetDriveFree(std::u16string_view thousandsSeparator) {
    if (!IsWatchedDriveKind(drives_.Kind(DriveRoot(settings_.drivenam)))) settings_.drivenam = settings_.HomeDrive;
    const DriveSpace space = drives_.Space(DriveRoot(settings_.drivenam));

    int32_t level = FreeLevel(space.freeBytes, space.totalBytes);
    int32_t unusedFreePercent = 0;
    warning_.DoTenmetu(kMaxFreeLevel, blinkFlag_, space.freeBytes, level, unusedFreePercent);

    return {PictureFor(settings_.syurui, level),
            TrayTooltip(settings_.drivenam, settings_.tani, space.freeBytes, thousandsSeparator)};
}

}  // namespace kuvano
