#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kuvano {

// Each enum keeps the number the settings file holds, so that a number with
// no name here (from a hand-edited file) is kept as it was and written back.
enum class DisplayUnit : int32_t { Bytes = 0, Kilobytes = 1, Megabytes = 2, Gigabytes = 3 };
enum class TrayPictureKind : int32_t { Bar = 0, Pie = 1, Star = 2 };
enum class SidebarEdge : int32_t { Top = 1, Bottom = 2, Left = 3, Right = 4 };
enum class GaugeStyle : uint8_t { Bars, Pies };

// Whether a number from the file names one of the enum's values.
constexpr bool IsNamed(DisplayUnit unit) {
    return unit >= DisplayUnit::Bytes && unit <= DisplayUnit::Gigabytes;
}
constexpr bool IsNamed(TrayPictureKind kind) {
    return kind >= TrayPictureKind::Bar && kind <= TrayPictureKind::Star;
}
constexpr bool IsNamed(SidebarEdge edge) {
    return edge >= SidebarEdge::Top && edge <= SidebarEdge::Right;
}

// The warning size's digits, from the 100-giga place down to the 1-mega place.
using WarningDigits = std::array<int32_t, 6>;

// The user's choices that every window shares; the defaults are those of a
// missing settings file.
struct Settings {
    std::string trayDrive = "C";  // its first character is the letter of the drive the tray watches
    DisplayUnit unit = DisplayUnit::Gigabytes;
    TrayPictureKind trayPicture = TrayPictureKind::Star;
    int32_t sidebarAtStart = 1;  // 1: the sidebar shows at start; any other number: it does not
    WarningDigits warningDigits{};
    int32_t sidebarColour = 0xC0C0C0;  // 0x00BBGGRR
    bool taskbarLeft = true;           // nothing acts on it: kept as read
    SidebarEdge sidebarEdge = SidebarEdge::Left;
    GaugeStyle gaugeStyle = GaugeStyle::Bars;
    bool notifyLowSpace = true;  // a notification when a drive crosses the warning size

    // Never written: the tray's fallback drive, from the program's own path.
    std::string homeDrive;

    bool operator==(const Settings&) const = default;
};

// How thick the sidebar's gauges, and so its strip, are at 100 %.
inline int32_t GaugeThickness(GaugeStyle style) {
    return style == GaugeStyle::Pies ? 32 : 8;
}

}  // namespace kuvano
