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

std::u16string_view UnitLabel(int32_t tani) {
    switch (tani) {
        case 0: return u"[B]=";
        case 1: return u"[KB]=";
        case 2: return u"[MB]=";
        default: return u"[GB]=";
    }
}

// What a gauge's picture depends on; nothing for a hidden gauge.
struct GaugeLook {
    TMyGaugeKind kind;
    TBorderStyle border;
    Rect place;
    TColor color;
    TColor foreColor;
    TColor backColor;
    int32_t percent;
    bool showText;
    std::u16string caption;
    bool operator==(const GaugeLook&) const = default;
};

std::optional<GaugeLook> LookOf(const TMyGauge& gauge) {
    if (!gauge.Visible) return std::nullopt;
    return GaugeLook{gauge.Kind(),
                     gauge.BorderStyle(),
                     {gauge.Left, gauge.Top, gauge.Left + gauge.Width, gauge.Top + gauge.Height},
                     gauge.Color,
                     gauge.ForeColor(),
                     gauge.BackColor(),
                     gauge.PercentValue(),
                     gauge.ShowText(),
                     gauge.MyMoj};
}

}  // namespace

std::optional<GaugeLayout> GaugeGeometry(int32_t iti, bool pies, int slot, int dpi) {
    const int along = slot * ScaleToDpi(kGaugePitch, dpi) + ScaleToDpi(kGaugeStart, dpi);
    const int length = ScaleToDpi(kGaugeLength, dpi);
    const int thickness = ScaleToDpi(GaugeWidthFor(pies), dpi);
    const TMyGaugeKind pie = TMyGaugeKind::gkPie;
    switch (iti) {
        case 1:
        case 2:
            if (pies) return GaugeLayout{pie, TBorderStyle::bsNone, along, 0, length, thickness};
            return GaugeLayout{TMyGaugeKind::gkHorizontalBar, TBorderStyle::bsSingle, along, 0, length, thickness};
        case 3:
        case 4:
            if (pies) return GaugeLayout{pie, TBorderStyle::bsNone, 0, along, thickness, length};
            return GaugeLayout{TMyGaugeKind::gkVerticalBar, TBorderStyle::bsSingle, 0, along, thickness, length};
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

std::u16string SidebarHint(char letter, int32_t tani, int64_t freeBytes, int64_t totalBytes,
                           std::u16string_view thousandsSeparator) {
    std::u16string hint(1, static_cast<char16_t>(letter));
    if (tani < 0 || tani > 3) {
        return hint + u"ドライブ空き=" + FormatGrouped(freeBytes, thousandsSeparator) + u"バイト";
    }
    hint += u":空き/全";
    hint += UnitLabel(tani);
    hint += FormatGrouped(BytesInUnit(freeBytes, tani), thousandsSeparator);
    hint += u"/";
    hint += FormatGrouped(BytesInUnit(totalBytes, tani), thousandsSeparator);
    return hint;
}

std::u16string ExplorerParameters(std::string_view letter) {
    return u"/e ,/select, " + DriveRoot(letter);
}

SidebarGauges::SidebarGauges(const Settings& settings, const DrivePlatform& drives, const LowSpaceWarning& warning)
    : settings_(settings), drives_(drives), warning_(warning) {
    for (int i = 0; i < kSidebarSlots; ++i) {
        TMyGauge& gauge = BarGauges[static_cast<size_t>(i)];
        gauge.Name = "gIco" + std::to_string(i);
        gauge.SetProgress(100);
        gauge.SetBorderStyle(TBorderStyle::bsSingle);
        gauge.SetForeColor(static_cast<TColor>(settings.aki));
        gauge.Visible = false;
    }
}

// Under Wine a gauge's paint costs dozens of calls to the server: only the
// changed ones are named.
std::vector<Rect> SidebarGauges::Refresh(std::u16string_view thousandsSeparator) {
    std::array<std::optional<GaugeLook>, kSidebarSlots> before;
    std::ranges::transform(BarGauges, before.begin(), LookOf);
    ShowDrives(thousandsSeparator);
    std::vector<Rect> areas;
    for (size_t slot = 0; slot < kSidebarSlots; ++slot) {
        const std::optional<GaugeLook> now = LookOf(BarGauges[slot]);
        if (now == before[slot]) continue;
        if (before[slot]) areas.push_back(before[slot]->place);
        if (now && (!before[slot] || now->place != before[slot]->place)) areas.push_back(now->place);
    }
    return areas;
}

// Present drives take the slots in letter order; one that goes away moves the
// later ones up at the next tick.
void SidebarGauges::ShowDrives(std::u16string_view thousandsSeparator) {
    for (TMyGauge& gauge : BarGauges) gauge.Visible = false;
    int slot = 0;
    for (const char letter : kWatchedDriveLetters) {
        // The next slot's blink phase; a drive that is not watched leaves it be.
        BlinkFlag& blinkFlag = BarBlinkFlags[static_cast<size_t>(slot)];
        const std::optional<DriveReading> reading =
            ReadWatchedDrive(drives_, warning_, DriveRoot(std::string(1, letter)), blinkFlag);
        if (reading) ShowGauge(slot++, letter, *reading, thousandsSeparator);
    }
}

void SidebarGauges::ShowGauge(int slot, char letter, const DriveReading& reading,
                              std::u16string_view thousandsSeparator) {
    const DriveSpace& space = reading.space;
    const int32_t freePercent = reading.IsWarningBeat() ? 0 : FreePercent(space.freeBytes, space.totalBytes);
    const std::u16string hint =
        SidebarHint(letter, settings_.tani, space.freeBytes, space.totalBytes, thousandsSeparator);

    TMyGauge& gauge = BarGauges[static_cast<size_t>(slot)];
    if (const auto layout = GaugeGeometry(settings_.iti, settings_.enGrf, slot, dpi_)) {
        gauge.SetKind(layout->kind);
        gauge.SetBorderStyle(layout->border);
        gauge.Left = layout->left;
        gauge.Top = layout->top;
        gauge.Width = layout->width;
        gauge.Height = layout->height;
    }
    gauge.Color = static_cast<TColor>(settings_.aki);  // a pie sits on the strip's colour
    gauge.Hint = hint;
    gauge.SetProgress(100 - freePercent);  // the gauge fills by the used share
    gauge.SetForeColor(LevelColors[static_cast<size_t>(reading.frame)]);
    gauge.Visible = true;
    BarDrives[static_cast<size_t>(slot)] = std::string(1, letter);
}

std::u16string SidebarGauges::ExplorerParametersFor(const TMyGauge& sender) const {
    const std::string digits = sender.Name.size() > 4 ? sender.Name.substr(4, 2) : "";
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return {};
    const int slot = std::stoi(digits);
    if (slot >= kSidebarSlots) return {};
    return ExplorerParameters(BarDrives[static_cast<size_t>(slot)]);
}

std::u16string SidebarGauges::LeftButtonAt(LeftButton event, Point at) {
    std::u16string clicked;
    for (TMyGauge& gauge : BarGauges) {
        const bool inside = gauge.Visible && at.x >= gauge.Left && at.x < gauge.Left + gauge.Width &&
                            at.y >= gauge.Top && at.y < gauge.Top + gauge.Height;
        if (event == LeftButton::Press && inside) gauge.LeftButtonDown();
        if (event == LeftButton::Release && gauge.LeftButtonUp(inside)) clicked = ExplorerParametersFor(gauge);
    }
    return clicked;
}

}  // namespace kuvano
