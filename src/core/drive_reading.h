#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/drive_platform.h"
#include "core/free_level.h"
#include "core/low_space_warning.h"

namespace kuvano {

// What a display shows of one drive on one refresh.
struct DriveReading {
    DriveSpace space;
    int32_t frame = 0;  // the free level 0..13, or kWarningFrame on a warning beat
    bool IsWarningBeat() const { return frame == kWarningFrame; }
};

// A space's free level, with the low-space rule applied to the display's
// own blink phase.
DriveReading ReadingOf(DriveSpace space, const LowSpaceWarning& warning, BlinkFlag& blinkFlag);

// The drive's space and free level, with the low-space rule applied to the
// display's own blink phase.
DriveReading ReadDrive(const DrivePlatform& drives, const LowSpaceWarning& warning, const std::u16string& root,
                       BlinkFlag& blinkFlag);

// As ReadDrive, for a removable or fixed drive only; nothing for any other,
// whose space is then not asked and whose blink phase stays.
std::optional<DriveReading> ReadWatchedDrive(const DrivePlatform& drives, const LowSpaceWarning& warning,
                                             const std::u16string& root, BlinkFlag& blinkFlag);

// A removable or fixed drive, as the once-a-second reading found it.
struct WatchedDrive {
    char letter = 0;
    DriveSpace space;
    bool operator==(const WatchedDrive&) const = default;
};

// Every removable and fixed drive from C to Z, in letter order: each one's
// type is asked, then the space of those watched.
std::vector<WatchedDrive> ReadWatchedDrives(const DrivePlatform& drives);

}  // namespace kuvano
