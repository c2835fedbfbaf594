#include "tray/drive_monitor.h"

#include "core/drive_name.h"
#include "core/drive_reading.h"
#include "tray/tray_tip.h"

namespace kuvano {
namespace {

std::optional<TrayPictureChoice> PictureFor(TrayPictureKind kind, int32_t level) {
    if (!IsNamed(kind)) return std::nullopt;
    return TrayPictureChoice{kind, level};
}

}  // namespace

TrayUpdate DriveMonitor::Read(std::u16string_view thousandsSeparator) {
    std::optional<DriveReading> reading =
        ReadWatchedDrive(drives_, warning_, DriveRoot(settings_.trayDrive), blinkFlag_);
    if (!reading) {
        settings_.trayDrive = settings_.homeDrive;
        reading = ReadDrive(drives_, warning_, DriveRoot(settings_.trayDrive), blinkFlag_);
    }
    return {PictureFor(settings_.trayPicture, reading->frame),
            TrayTooltip(settings_.trayDrive, settings_.unit, reading->space.freeBytes, thousandsSeparator)};
}

}  // namespace kuvano
