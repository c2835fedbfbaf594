#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/drive_platform.h"
#include "core/low_space_warning.h"
#include "core/settings.h"

namespace kuvano {

struct TrayPictureChoice {
    TrayPictureKind kind;
    int32_t index;  // the free level 0..13, or 14 on a warning beat
    bool operator==(const TrayPictureChoice&) const = default;
};

// What one beat shows: a new picture (none for a picture kind with no name,
// so the last one stays) and the tooltip.
struct TrayUpdate {
    std::optional<TrayPictureChoice> picture;
    std::u16string tip;
};

// Watches the tray drive.
class DriveMonitor {
public:
    DriveMonitor(Settings& settings, const DrivePlatform& drives, const LowSpaceWarning& warning)
        : settings_(settings), drives_(drives), warning_(warning) {}

    // One beat. A tray drive that is neither removable nor fixed gives way to
    // the home drive, which then stays in the settings.
    TrayUpdate Read(std::u16string_view thousandsSeparator);

private:
    Settings& settings_;
    const DrivePlatform& drives_;
    const LowSpaceWarning& warning_;
    BlinkFlag blinkFlag_ = 0;  // the tray's own blink phase
};

}  // namespace kuvano
