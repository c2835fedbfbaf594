#include "core/low_space_alerts.h"

#include <algorithm>
#include <utility>

#include "core/size_text.h"

namespace kuvano {
namespace {

constexpr int64_t kLeastMargin = 64 * kBytesPerMiB;
// What a notification's text holds, its end included.
constexpr size_t kMostText = 255;

bool WellAbove(const DriveSpace& space, const LowSpaceWarning& warning) {
    const int64_t margin = std::max(space.totalBytes / 100, kLeastMargin);
    return warning.SizeMiB() == 0 || space.freeBytes > warning.SizeMiB() * kBytesPerMiB + margin;
}

}  // namespace

std::vector<WatchedDrive> LowSpaceAlerts::Crossings(const std::vector<WatchedDrive>& drives,
                                                    const LowSpaceWarning& warning) {
    std::array<bool, 26> present{};
    std::vector<WatchedDrive> crossed;
    for (const WatchedDrive& drive : drives) {
        const auto slot = static_cast<size_t>(drive.letter - 'A');
        if (slot >= present.size()) continue;
        present[slot] = true;
        bool& may = mayCross_[slot].emplace(mayCross_[slot].value_or(true));
        if (drive.space.totalBytes <= 0) continue;
        if (warning.IsLow(drive.space.freeBytes)) {
            if (std::exchange(may, false)) crossed.push_back(drive);
        } else if (WellAbove(drive.space, warning)) {
            may = true;
        }
    }
    for (size_t slot = 0; slot < present.size(); ++slot) {
        if (!present[slot]) mayCross_[slot].reset();
    }
    return crossed;
}

std::u16string CrossingText(const std::vector<WatchedDrive>& crossed, DisplayUnit unit, int32_t warningMiB,
                            std::u16string_view thousandsSeparator) {
    const std::u16string end =
        u"になりました（警告: " + FormatGrouped(warningMiB, thousandsSeparator) + u" メガバイト）";
    std::u16string text;
    for (const WatchedDrive& drive : crossed) {
        std::u16string named = text.empty() ? u"" : u"、";
        named += u"ドライブ " + std::u16string(1, static_cast<char16_t>(drive.letter)) + u": の空きが " +
                 FormatGrouped(BytesInUnit(drive.space.freeBytes, unit), thousandsSeparator) + u" " +
                 std::u16string(UnitWord(unit));
        if (text.size() + named.size() + end.size() + 2 > kMostText) return text + u"など" + end;
        text += named;
    }
    return text + end;
}

}  // namespace kuvano
