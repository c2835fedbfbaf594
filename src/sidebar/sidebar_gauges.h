#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/display_scale.h"
#include "core/drive_name.h"
#include "core/drive_reading.h"
#include "core/geometry.h"
#include "core/low_space_warning.h"
#include "core/settings.h"
#include "sidebar/gauge.h"

namespace kuvano {

inline constexpr int kSidebarSlots = static_cast<int>(kWatchedDriveLetters.size());

// Gauge colour by free level 0..13, and white for the warning frame 14.
inline constexpr std::array<Colour, 15> kLevelColours{
    0x0000FF, 0x0000FF, 0xFF00FF, 0xFF00FF, 0x7FCCEC, 0x7FCCEC, 0x00FF00, 0x00FF00,
    0xFFFF00, 0xFFFF00, 0xFF0000, 0xFF0000, 0x808080, 0x808080, 0xFFFFFF,
};

struct GaugeLayout {
    GaugeKind kind;
    GaugeBorder border;
    int left;
    int top;
    int width;
    int height;
    bool operator==(const GaugeLayout&) const = default;
};

// Where a slot's gauge sits on the strip at the edge, in the style and at the
// strip's DPI; nothing for an edge with no name, so the gauge keeps its last
// layout.
std::optional<GaugeLayout> GaugeGeometry(SidebarEdge edge, GaugeStyle style, int slot, int dpi);

// free / total in percent, in extended precision, halves to even, 0..100.
int32_t FreePercent(int64_t freeBytes, int64_t totalBytes);

// "C:空き/全[GB]=12/100", or "Eドライブ空き=1,234バイト" for a unit with no name.
std::u16string SidebarHint(char letter, DisplayUnit unit, int64_t freeBytes, int64_t totalBytes,
                           std::u16string_view thousandsSeparator);

// What the file explorer is started with to open at the drive, selected.
std::u16string ExplorerParameters(char letter);

// What the left button does on the strip, as the window's messages tell it.
enum class LeftButton : uint8_t { Press, DoubleClick, Release };

// The sidebar's 24 gauges: once a second one per removable or fixed drive,
// in letter order, coloured by level and blinking under the warning size.
class SidebarGauges {
public:
    SidebarGauges(const Settings& settings, const LowSpaceWarning& warning);

    std::array<Gauge, kSidebarSlots> gauges;
    std::array<char, kSidebarSlots> letters{};  // the drive each shown gauge stands for
    std::array<BlinkFlag, kSidebarSlots> blinkFlags{};

    // One refresh, with the drives as this second's reading found them.
    // Returns where the strip must be painted anew: the places, before and
    // after, of every gauge whose picture changed.
    std::vector<Rect> Refresh(const std::vector<WatchedDrive>& drives, std::u16string_view thousandsSeparator);
    // The left button at `at` on the strip: a press arms the gauge under it
    // and the release on that gauge clicks it. The second press of a double
    // click arms nothing, so a double click opens one explorer, not two.
    // Returns the explorer parameters of the gauge clicked; empty for none.
    std::u16string LeftButtonAt(LeftButton event, Point at);
    // The gauges take the strip's DPI at the next refresh.
    void FollowDpi(int dpi) { dpi_ = dpi; }

private:
    void ShowDrives(const std::vector<WatchedDrive>& drives, std::u16string_view thousandsSeparator);
    void ShowGauge(size_t slot, char letter, const DriveReading& reading, std::u16string_view thousandsSeparator);

    const Settings& settings_;
    const LowSpaceWarning& warning_;
    int dpi_ = kDesignDpi;
};

}  // namespace kuvano
