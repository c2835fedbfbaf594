#include "tray/drive_monitor.h"

#include "core/drive_name.h"
#include "core/drive_reading.h"
#include "tray/tray_tip.h"

namespace kuvano {
namespace {

std::optional<TrayPictureChoice> PictureFor(int32_t syurui, int32_t level) {
    if (syurui < 0 || syurui > 2) return std::nullopt;
    return TrayPictureChoice{static_cast<TrayIconKind>(syurui), level};
}

}  // namespace

TrayUpdate DriveMonitor::ReadTrayDrive(std::u16string_view thousandsSeparator) {
    std::optional<DriveReading> reading =
        ReadWatchedDrive(drives_, warning_, DriveRoot(settings_.drivenam), blinkFlag_);
    if (!reading) {
        settings_.drivenam = settings_.HomeDrive;
        reading = ReadDrive(drives_, warning_, DriveRoot(settings_.drivenam), blinkFlag_);
    }
    return {PictureFor(settings_.syurui, reading->frame),
            TrayTooltip(settings_.drivenam, settings_.tani, reading->space.freeBytes, thousandsSeparator)};
}

}  // namespace kuvano
