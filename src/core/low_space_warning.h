#pragma once

#include <array>
#include <cstdint>

namespace kuvano {

// The blink phase of one displayed item, owned by the display.
using BlinkFlag = uint8_t;

// The six warning digits as they stand now: 100-giga place down to 1-mega place.
using WarningDigits = std::array<int32_t, 6>;

class WarningDigitSource {
public:
    virtual ~WarningDigitSource() = default;
    virtual WarningDigits CurrentWarningDigits() const = 0;
};

// Warning size in MiB. The giga places count 1,024 MiB a step, the mega places
// decimal MiB. Digits are taken as 0..9, as their spin controls hold them.
int32_t WarningSize(const WarningDigits& digits);

// The low-space rule every display applies to each drive on each refresh.
class LowSpaceWarning {
public:
    explicit LowSpaceWarning(const WarningDigitSource& digits) : digits_(digits) {}

    // While the drive's free space, in whole MiB rounded down, is at or below
    // the warning size, every second call turns `level` into the warning frame
    // (maxLevel + 1) and `freePercent` into 0. Reads the digits afresh each call.
    void DoTenmetu(int32_t maxLevel, BlinkFlag& blinkFlag, int64_t freeBytes, int32_t& level,
                   int32_t& freePercent) const;

private:
    const WarningDigitSource& digits_;
};

}  // namespace kuvano
