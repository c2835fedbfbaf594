#include "sidebar/sidebar_gauges.h"

#include <algorithm>
#include <cmath>

#include "core/display_scale.h"
#include "core/size_text.h"

namespace kuvano {
namespace {

constexpr int kGaugeLength = 32;
constexpr int kGaugePitch = 38;
constexpr int kGaugeStart = 5;

std::u16string_view UnitLabel(DisplayUnit unit) {
    switch (unit) {
        case DisplayUnit::Bytes: return u"[B]=";
        case DisplayUnit::Kilobytes: return u"[KB]=";
        case DisplayUnit::Megabytes: return u"[MB]=";
        default: return u"[GB]=";
    }
}

// What a gauge's picture depends on; nothing for a hidden gauge.
struct GaugeLook {
    GaugeKind kind;
    GaugeBorder border;
    Rect place;
    Colour colour;
    Colour foreColour;
    Colour backColour;
    int32_t percent;
    bool showText;
    std::u16string caption;
    bool operator==(const GaugeLook&) const = default;
};

std::optional<GaugeLook> LookOf(const Gauge& gauge) {
    if (!gauge.visible) return std::nullopt;
    return GaugeLook{gauge.Kind(),
                     gauge.Border(),
                     {gauge.left, gauge.top, gauge.left + gauge.width, gauge.top + gauge.height},
                     gauge.colour,
                     gauge.ForeColour(),
                     gauge.BackColour(),
                     gauge.PercentValue(),
                     gauge.ShowText(),
                     gauge.caption};
}

}  // namespace

std::optional<GaugeLayout> GaugeGeometry(SidebarEdge edge, GaugeStyle style, int slot, int dpi) {
    const int along = slot * ScaleToDpi(kGaugePitch, dpi) + ScaleToDpi(kGaugeStart, dpi);
    const int length = ScaleToDpi(kGaugeLength, dpi);
    const int thickness = ScaleToDpi(GaugeThickness(style), dpi);
    const bool pies = style == GaugeStyle::Pies;
    switch (edge) {
        case SidebarEdge::Top:
        case SidebarEdge::Bottom:
            if (pies) return GaugeLayout{GaugeKind::Pie, GaugeBorder::None, along, 0, length, thickness};
            return GaugeLayout{GaugeKind::HorizontalBar, GaugeBorder::Single, along, 0, length, thickness};
        case SidebarEdge::Left:
        case SidebarEdge::Right:
            if (pies) return GaugeLayout{GaugeKind::Pie, GaugeBorder::None, 0, along, thickness, length};
            return GaugeLayout{GaugeKind::VerticalBar, GaugeBorder::Single, 0, along, thickness, length};
        default: return std::nullopt;
    }
}

int32_t FreePercent(int64_t freeBytes, int64_t totalBytes) {
    if (totalBytes == 0) return 0;
    const long double percent = static_cast<long double>(freeBytes) / static_cast<long double>(totalBytes) * 100.0L;
    if (!(percent > 0.0L)) return 0;
    if (percent > 100.0L) return 100;
    return static_cast<int32_t>(std::nearbyint(percent));
}

std::u16string SidebarHint(char letter, DisplayUnit unit, int64_t freeBytes, int64_t totalBytes,
                           std::u16string_view thousandsSeparator) {
    std::u16string hint(1, static_cast<char16_t>(letter));
    if (!IsNamed(unit)) return hint + u"ドライブ空き=" + FormatGrouped(freeBytes, thousandsSeparator) + u"バイト";
    hint += u":空き/全";
    hint += UnitLabel(unit);
    hint += FormatGrouped(BytesInUnit(freeBytes, unit), thousandsSeparator);
    hint += u"/";
    hint += FormatGrouped(BytesInUnit(totalBytes, unit), thousandsSeparator);
    return hint;
}

std::u16string ExplorerParameters(char letter) {
    return u"/e ,/select, " + DriveRoot(std::string(1, letter));
}

SidebarGauges::SidebarGauges(const Settings& settings, const LowSpaceWarning& warning)
    : settings_(settings), warning_(warning) {
    for (Gauge& gauge : gauges) {
        gauge.SetProgress(100);
        gauge.SetBorder(GaugeBorder::Single);
        gauge.SetForeColour(static_cast<Colour>(settings.sidebarColour));
        gauge.visible = false;
    }
}

// Under Wine a gauge's paint costs dozens of calls to the server: only the
// changed ones are named.
std::vector<Rect> SidebarGauges::Refresh(const std::vector<WatchedDrive>& drives,
                                         std::u16string_view thousandsSeparator) {
    std::array<std::optional<GaugeLook>, kSidebarSlots> before;
    std::ranges::transform(gauges, before.begin(), LookOf);
    ShowDrives(drives, thousandsSeparator);
    std::vector<Rect> areas;
    for (size_t slot = 0; slot < kSidebarSlots; ++slot) {
        const std::optional<GaugeLook> now = LookOf(gauges[slot]);
        if (now == before[slot]) continue;
        if (before[slot]) areas.push_back(before[slot]->place);
        if (now && (!before[slot] || now->place != before[slot]->place)) areas.push_back(now->place);
    }
    return areas;
}

// Present drives take the slots in letter order, each with its slot's blink
// phase; one that goes away moves the later ones up.
void SidebarGauges::ShowDrives(const std::vector<WatchedDrive>& drives, std::u16string_view thousandsSeparator) {
    for (Gauge& gauge : gauges) gauge.visible = false;
    for (size_t slot = 0; slot < drives.size() && slot < gauges.size(); ++slot) {
        const WatchedDrive& drive = drives[slot];
        ShowGauge(slot, drive.letter, ReadingOf(drive.space, warning_, blinkFlags[slot]), thousandsSeparator);
    }
}

void SidebarGauges::ShowGauge(size_t slot, char letter, const DriveReading& reading,
                              std::u16string_view thousandsSeparator) {
    const DriveSpace& space = reading.space;
    const int32_t freePercent = reading.IsWarningBeat() ? 0 : FreePercent(space.freeBytes, space.totalBytes);
    Gauge& gauge = gauges[slot];
    if (const auto layout = GaugeGeometry(settings_.sidebarEdge, settings_.gaugeStyle, static_cast<int>(slot), dpi_)) {
        gauge.SetKind(layout->kind);
        gauge.SetBorder(layout->border);
        gauge.left = layout->left;
        gauge.top = layout->top;
        gauge.width = layout->width;
        gauge.height = layout->height;
    }
    gauge.colour = static_cast<Colour>(settings_.sidebarColour);  // a pie sits on the strip's colour
    gauge.hint = SidebarHint(letter, settings_.unit, space.freeBytes, space.totalBytes, thousandsSeparator);
    gauge.SetProgress(100 - freePercent);  // the gauge fills by the used share
    gauge.SetForeColour(kLevelColours[static_cast<size_t>(reading.frame)]);
    gauge.visible = true;
    letters[slot] = letter;
}

std::u16string SidebarGauges::LeftButtonAt(LeftButton event, Point at) {
    std::u16string clicked;
    for (size_t slot = 0; slot < gauges.size(); ++slot) {
        Gauge& gauge = gauges[slot];
        const bool inside = gauge.visible && at.x >= gauge.left && at.x < gauge.left + gauge.width &&
                            at.y >= gauge.top && at.y < gauge.top + gauge.height;
        if (event == LeftButton::Press && inside) gauge.LeftButtonDown();
        if (event == LeftButton::Release && gauge.LeftButtonUp(inside)) clicked = ExplorerParameters(letters[slot]);
    }
    return clicked;
}

}  // namespace kuvano
