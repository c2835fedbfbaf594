#pragma once

#include <cstdint>

#include "core/settings.h"

namespace kuvano {

// The blink phase of one displayed item, owned by the display.
using BlinkFlag = uint8_t;

// Warning size in MiB. The giga places count 1,024 MiB a step, the mega places
// decimal MiB. Digits are taken as 0..9, as their spin controls hold them.
int32_t WarningSize(const WarningDigits& digits);

// The low-space rule every display applies to each drive on each refresh,
// against the warning size the user has set now.
class LowSpaceWarning {
public:
    explicit LowSpaceWarning(const WarningDigits& digits) { SetDigits(digits); }

    // From the settings panel, as each digit changes.
    void SetDigits(const WarningDigits& digits) { sizeMiB_ = WarningSize(digits); }
    // 0: no warning.
    int32_t SizeMiB() const { return sizeMiB_; }

    // Whether the free space, in whole MiB rounded down, is at or below the
    // warning size; never while there is no warning.
    bool IsLow(int64_t freeBytes) const;
    // Whether this refresh shows the drive's warning frame: while the space
    // is low, every second refresh does, as the display's blink phase turns.
    bool WarningBeat(BlinkFlag& blinkFlag, int64_t freeBytes) const;

private:
    int32_t sizeMiB_ = 0;
};

}  // namespace kuvano
