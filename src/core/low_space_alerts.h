#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/drive_reading.h"
#include "core/low_space_warning.h"
#include "core/settings.h"

namespace kuvano {

// Tells when a watched drive crosses the warning size: from above it to at
// or below it, whether its space fell or the size rose. A drive tells once
// for each crossing: only after it has risen above the size by a margin (1 %
// of the drive, 64 MiB at least) can it cross again, so one that hovers at
// the line tells once. A drive first seen at or below the line has crossed.
// Drives whose query failed or that hold no medium (total 0) tell nothing
// and keep their state; drives gone are forgotten.
class LowSpaceAlerts {
public:
    // The drives of this reading that crossed, in letter order.
    std::vector<WatchedDrive> Crossings(const std::vector<WatchedDrive>& drives, const LowSpaceWarning& warning);

private:
    // By letter from A: above the line by the margin since its last crossing;
    // none for a drive not present. Kept in place: a tick allocates nothing.
    std::array<std::optional<bool>, 26> mayCross_;
};

// The notification's text, in the tooltip's unit and words: "ドライブ D: の空きが
// 9,876 メガバイトになりました（警告: 10,000 メガバイト）", naming each drive
// that crossed as long as the notification area takes the text.
std::u16string CrossingText(const std::vector<WatchedDrive>& crossed, DisplayUnit unit, int32_t warningMiB,
                            std::u16string_view thousandsSeparator);

}  // namespace kuvano
