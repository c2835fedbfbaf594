#include <gtest/gtest.h>

#include "sidebar/bar_dock.h"
#include "sidebar/menu_pictures.h"
#include "sidebar/sidebar_gauges.h"
#include "support/drive_display_fixture.h"

namespace kuvano {
namespace {

// A shell that keeps a strip clear of a taskbar at the top or the bottom by
// cutting it short, as Windows documents ABM_QUERYPOS; the dock must then
// restore the strip's thickness.
struct FakeShell final : AppBarShell {
    int topTaskbarEnd = INT32_MIN, bottomTaskbarStart = INT32_MAX;
    std::string calls;  // N New, Q QueryPos, S SetPos, M MoveWindow
    Rect reserved{}, moved{};
    void New() override { calls += 'N'; }
    void Remove() override {}
    void QueryPos(AppBarEdge edge, Rect& rc) override {
        calls += 'Q';
        if (edge == AppBarEdge::Top) rc.top = std::max(rc.top, topTaskbarEnd);
        if (edge == AppBarEdge::Bottom) rc.bottom = std::min(rc.bottom, bottomTaskbarStart);
    }
    void SetPos(AppBarEdge, Rect& rc) override { calls += 'S', reserved = rc; }
    void MoveWindow(const Rect& rc) override { calls += 'M', moved = rc; }
};

constexpr bool kPrimary = true;
const std::vector<MonitorRect> kOne{{{0, 0, 1920, 1080}, 96, kPrimary}};

// The left, top and bottom strips on the primary monitor at its own edges,
// the right one on the monitor whose right edge lies furthest right, at its
// own top and height, wherever the system lists the monitors. An unknown
// edge or no monitor proposes nothing: the last strip is reserved again.
// A taskbar at the top ends at 40: the shell moves a top strip clear of it,
// and the strip keeps its thickness.
TEST(BarDock, DocksAtTheEdgesOfTheRightMonitorInAnyLayout) {
    using enum SidebarEdge;
    const MonitorRect secondRight{{1920, 0, 3840, 1200}}, leftOfPrimary{{-1280, 0, 0, 1024}},
        above{{0, -1080, 1920, 0}}, twinRight{{1920, -200, 3840, 880}};
    const MonitorRect primary = kOne[0], sharp{{0, 0, 2560, 1440}, 144, kPrimary}, plain{{2560, 0, 4480, 1080}};
    const struct {
        const char* layout;
        std::vector<MonitorRect> monitors;
        SidebarEdge edge;
        Rect strip;
    } cases[] = {
        {"side by side, the primary first", {primary, secondRight}, Right, {3832, 0, 3840, 1200}},
        {"side by side, the primary second", {secondRight, primary}, Bottom, {0, 1072, 1920, 1080}},
        {"side by side, the primary second", {secondRight, primary}, Right, {3832, 0, 3840, 1200}},
        {"left of the primary", {leftOfPrimary, primary}, Left, {0, 0, 8, 1080}},
        {"stacked", {above, primary}, Top, {0, 40, 1920, 48}},
        {"stacked: a tie goes to the primary", {above, primary}, Right, {1912, 0, 1920, 1080}},
        {"a tie of others: the higher", {primary, twinRight, secondRight}, Right, {3832, -200, 3840, 880}},
        {"mixed scales", {plain, sharp}, Left, {0, 0, 12, 1440}},
        {"mixed scales", {plain, sharp}, Right, {4472, 0, 4480, 1080}},
        {"an unknown edge", kOne, SidebarEdge{0}, {}},
        {"an unknown edge", kOne, SidebarEdge{5}, {}},
        {"no monitor", {}, Top, {}},
    };
    for (const auto& [layout, monitors, edge, strip] : cases) {
        FakeShell shell;
        shell.topTaskbarEnd = 40;
        BarDock dock;
        dock.Dock(shell, edge, 8, monitors);
        const int named = static_cast<int>(edge);
        EXPECT_EQ(std::tie(dock.Rectangle(), shell.reserved, shell.moved), std::tie(strip, strip, strip))
            << layout << ", edge " << named;
        EXPECT_EQ(shell.calls, strip == Rect{} ? "SM" : "QSM") << layout << ", edge " << named;
    }
}

// A notice of the shell is answered by a query, and only a strip that must
// move is reserved and moved again: never registered anew, and never in a
// loop with another toolbar that answers the same way.
TEST(BarDock, FollowsTheShellsNoticesWithoutRegisteringOrMovingInVain) {
    FakeShell shell;
    BarDock dock;
    dock.Dock(shell, SidebarEdge::Bottom, 8, kOne);
    shell.calls.clear();
    dock.Follow(shell, SidebarEdge::Bottom, 8, kOne);
    EXPECT_EQ(shell.calls, "Q") << "the strip stays where it is";
    shell.bottomTaskbarStart = 1040;  // the taskbar came up from the bottom
    dock.Follow(shell, SidebarEdge::Bottom, 8, kOne);
    EXPECT_EQ(shell.calls, "QQSM");
    EXPECT_EQ(shell.reserved, (Rect{0, 1032, 1920, 1040}));
}

// A full-screen program drops the strip below every window while it covers
// the strip's monitor; when it closes the strip is topmost again.
TEST(LayerForFullScreen, DropsTheStripOnlyUnderAProgramCoveringItsMonitor) {
    const Rect monitor{0, 0, 1920, 1080};
    using enum StripLayer;
    const std::tuple<bool, std::optional<Rect>, StripLayer> cases[] = {
        {true, Rect{0, 0, 1920, 1080}, Bottom},
        {true, Rect{-8, -8, 1928, 1088}, Bottom},
        {true, Rect{1920, 0, 3840, 1080}, Unchanged},
        {true, Rect{0, 0, 1920, 1040}, Unchanged},
        {true, std::nullopt, Unchanged},
        {false, Rect{0, 0, 1920, 1080}, Topmost},
    };
    for (const auto& [opening, foreground, layer] : cases) {
        EXPECT_EQ(LayerForFullScreen(opening, foreground, monitor), layer) << opening;
    }
}

// What the menu hands the system for each picture on Windows: alpha first,
// each colour scaled by it, a transparent pixel all zero.
TEST(PremultipliedPixel, ScalesEachColourByTheAlpha) {
    const std::pair<Rgba, uint32_t> cases[] = {
        {{255, 128, 7, 255}, 0xFFFF8007}, {{255, 128, 0, 128}, 0x80804000}, {{255, 255, 255, 0}, 0}};
    for (const auto& [pixel, premultiplied] : cases) EXPECT_EQ(PremultipliedPixel(pixel), premultiplied);
}

// Each length scales on its own, so every gauge keeps the same size.
TEST(SidebarLayout, GaugesRunAlongTheEdgeAtAPitchOf38ScaledByTheDpi) {
    using enum SidebarEdge;
    using enum GaugeStyle;
    constexpr GaugeKind kHorizontal = GaugeKind::HorizontalBar, kVertical = GaugeKind::VerticalBar,
                        kPie = GaugeKind::Pie;
    constexpr GaugeBorder kFramed = GaugeBorder::Single, kBare = GaugeBorder::None;
    const std::tuple<SidebarEdge, GaugeStyle, int, int, std::optional<GaugeLayout>> cases[] = {
        {Top, Bars, 0, 96, GaugeLayout{kHorizontal, kFramed, 5, 0, 32, 8}},
        {Bottom, Pies, 23, 96, GaugeLayout{kPie, kBare, 879, 0, 32, 32}},
        {Right, Pies, 0, 96, GaugeLayout{kPie, kBare, 0, 5, 32, 32}},
        {Left, Bars, 1, 192, GaugeLayout{kVertical, kFramed, 0, 86, 16, 64}},
        {Top, Pies, 2, 120, GaugeLayout{kPie, kBare, 102, 0, 40, 40}},
        {Bottom, Bars, 23, 144, GaugeLayout{kHorizontal, kFramed, 1319, 0, 48, 12}},
        {SidebarEdge{0}, Bars, 0, 192, std::nullopt},
        {SidebarEdge{5}, Pies, 0, 96, std::nullopt},
    };
    for (const auto& [edge, style, slot, dpi, layout] : cases) {
        EXPECT_EQ(GaugeGeometry(edge, style, slot, dpi), layout) << static_cast<int>(edge) << "@" << dpi;
    }
}

TEST(SidebarNumbers, FreePercentRoundsHalvesToEvenAndTheHintCountsBytesForAnUnknownUnit) {
    const std::tuple<int64_t, int64_t, int32_t> percents[] = {
        {1, 200, 0}, {3, 200, 2}, {300, 100, 100}, {5, 0, 0}, {-5, 100, 0}};
    for (const auto& [freeBytes, totalBytes, percent] : percents)
        EXPECT_EQ(FreePercent(freeBytes, totalBytes), percent);
    EXPECT_EQ(SidebarHint('D', DisplayUnit::Bytes, 1'234'567, 9'876'543, u"."), u"D:空き/全[B]=1.234.567/9.876.543");
    EXPECT_EQ(SidebarHint('E', DisplayUnit{4}, 1'234, 9'999, u","), u"Eドライブ空き=1,234バイト");
    EXPECT_EQ(SidebarHint('E', DisplayUnit{-1}, 1'234, 9'999, u","), u"Eドライブ空き=1,234バイト");
}

// Where slots 0 and 1 sit on the default strip: bars at the left edge.
constexpr Rect kSlot0{0, 5, 8, 37}, kSlot1{0, 43, 8, 75};

class SidebarGaugesTest : public testing::DriveDisplayTest {
protected:
    SidebarGaugesTest() {
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {25, 100}, u""};
        drives.drives[u"D:\\"] = {DriveKind::CdRom, {0, 100}, u""};  // not watched
        drives.drives[u"E:\\"] = {DriveKind::Removable, {75, 100}, u""};
    }

    // One refresh, with the drives read as the application reads them.
    std::vector<Rect> Refresh() { return gauges.Refresh(ReadWatchedDrives(drives), u","); }

    SidebarGauges gauges{settings, warning};
};

// Present drives take the slots in letter order, filled by their used share;
// a gauge is named for repaint only when its picture changed.
TEST_F(SidebarGaugesTest, ShowsRemovableAndFixedDrivesInLetterOrderAndNamesTheChangedForRepaint) {
    EXPECT_EQ(Refresh(), (std::vector<Rect>{kSlot0, kSlot1}));
    EXPECT_EQ(std::tie(gauges.letters[0], gauges.letters[1]), std::tuple('C', 'E'));
    EXPECT_FALSE(gauges.gauges[2].visible);
    // 3.5 and 10.5 steps free, to even
    EXPECT_EQ(std::tuple(gauges.gauges[0].Progress(), gauges.gauges[0].ForeColour(), gauges.gauges[1].ForeColour()),
              std::tuple(75, kLevelColours[4], kLevelColours[10]));
    settings.unit = DisplayUnit::Bytes;  // only the hints change
    EXPECT_EQ(Refresh(), std::vector<Rect>{});
    drives.drives[u"E:\\"].space = {50, 100};
    EXPECT_EQ(Refresh(), std::vector<Rect>{kSlot1});
    drives.drives.erase(u"C:\\");  // E moves up and its old place empties
    EXPECT_EQ(Refresh(), (std::vector<Rect>{kSlot0, kSlot1}));
    EXPECT_EQ(gauges.letters[0], 'E');
    settings.gaugeStyle = GaugeStyle::Pies;  // a pie is wider: the old place and the new one
    EXPECT_EQ(Refresh(), (std::vector<Rect>{kSlot0, {0, 5, 32, 37}}));
}

TEST_F(SidebarGaugesTest, BlinksWhiteAndFullUnderTheWarningWithASteadyHint) {
    warning.SetDigits({0, 0, 0, 0, 0, 1});  // every drive here has under 1 MiB free
    for (int refresh = 0; refresh < 4; ++refresh) {
        EXPECT_EQ(Refresh(), (std::vector<Rect>{kSlot0, kSlot1})) << "repainted at every step";
        const Gauge& c = gauges.gauges[0];
        EXPECT_EQ(std::tuple(c.ForeColour(), c.Progress()),
                  refresh % 2 ? std::tuple(kLevelColours[4], 75) : std::tuple(kWhite, 100));
        EXPECT_EQ(c.hint, u"C:空き/全[GB]=0/0");
    }
}

// The system tells a double click as a press, a release, a double-click
// message and a release: one explorer, not two.
TEST_F(SidebarGaugesTest, AClickOpensTheExplorerAtItsDriveOnceEvenWhenDouble) {
    Refresh();
    const Point onE{0, 43};  // the gauge's first column
    EXPECT_EQ(gauges.LeftButtonAt(LeftButton::Press, onE), u"");
    EXPECT_EQ(gauges.LeftButtonAt(LeftButton::Release, onE), u"/e ,/select, E:\\");
    EXPECT_EQ(gauges.LeftButtonAt(LeftButton::DoubleClick, onE), u"");
    EXPECT_EQ(gauges.LeftButtonAt(LeftButton::Release, onE), u"") << "the double click's own release";
    for (const Point besideE : {Point{8, 43}, Point{1, 75}}) {
        gauges.LeftButtonAt(LeftButton::Press, onE);
        EXPECT_EQ(gauges.LeftButtonAt(LeftButton::Release, besideE), u"") << besideE.x << "," << besideE.y;
    }
}

}  // namespace
}  // namespace kuvano
