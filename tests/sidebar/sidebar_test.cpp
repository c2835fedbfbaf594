#include <gtest/gtest.h>

#include "sidebar/bar_dock.h"
#include "sidebar/sidebar_gauges.h"
#include "support/drive_display_fixture.h"

namespace kuvano {
namespace {

// A shell that keeps a strip clear of a taskbar at the top or the bottom by
// cutting it short; the dock must then restore the strip's thickness.
struct FakeShell final : AppBarShell {
    FakeShell(int topEnd, int bottomStart) : topTaskbarEnd(topEnd), bottomTaskbarStart(bottomStart) {}
    int topTaskbarEnd, bottomTaskbarStart;
    std::string calls;  // Q QueryPos, S SetPos
    Rect reserved{}, moved{};
    void New() override {}
    void Remove() override {}
    void QueryPos(AppBarEdge edge, Rect& rc) override {
        calls += 'Q';
        if (edge == AppBarEdge::Top) rc.top = std::max(rc.top, topTaskbarEnd);
        if (edge == AppBarEdge::Bottom) rc.bottom = std::min(rc.bottom, bottomTaskbarStart);
    }
    void SetPos(AppBarEdge, Rect& rc) override {
        calls += 'S';
        reserved = rc;
    }
    void MoveWindow(const Rect& rc) override { moved = rc; }
};

// The top and bottom strips end at the first monitor's width and the bottom
// one is counted from its height, wherever that monitor starts; the right
// one ends at the monitors' total width. An unknown edge or a missing
// monitor list proposes nothing, so the shell is not asked where.
TEST(BarDock, PlacesAndReservesTheStripAtEachEdge) {
    const std::vector<MonitorRect> one{{0, 0, 1920, 1080}};
    constexpr int kNone = 1 << 30;
    using enum SidebarEdge;
    const std::tuple<SidebarEdge, int32_t, std::vector<MonitorRect>, int, int, Rect> cases[] = {
        {Left, 8, one, 0, kNone, {0, 0, 8, 1080}},
        {Top, 32, one, 40, kNone, {0, 40, 1920, 72}},
        {Bottom, 8, one, 0, 1040, {0, 1032, 1920, 1040}},
        {Bottom, 8, {{100, 50, 800, 600}}, 0, kNone, {100, 592, 800, 600}},
        {Right, 8, {{0, 0, 1920, 1080}, {1920, 100, 1920, 1200}}, 0, kNone, {3832, 100, 3840, 1200}},
        {SidebarEdge{0}, 8, one, 0, kNone, {}},
        {SidebarEdge{5}, 8, one, 0, kNone, {}},
        {Top, 8, {}, 0, kNone, {}},
        {Left, 8, {{0, 0, 1280, 800, 192}, {1280, 0, 1280, 800, 96}}, 0, kNone, {0, 0, 16, 800}},
        {Right, 32, {{0, 0, 1280, 800, 192}, {1280, 0, 1280, 800, 120}}, 0, kNone, {2520, 0, 2560, 800}},
    };
    for (const auto& [edge, thickness, monitors, topEnd, bottomStart, strip] : cases) {
        FakeShell shell(topEnd, bottomStart);
        BarDock dock;
        dock.Dock(shell, false, edge, thickness, monitors);
        const int named = static_cast<int>(edge);
        EXPECT_EQ(std::tie(dock.Rectangle(), shell.reserved, shell.moved), std::tie(strip, strip, strip)) << named;
        EXPECT_EQ(shell.calls, strip == Rect{} ? "S" : "QS") << named;
        EXPECT_EQ(dock.Dpi(),
                  monitors.empty() || strip == Rect{} ? 96 : (edge == Right ? monitors.back() : monitors[0]).dpi);
    }
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
        {Left, Bars, 1, 96, GaugeLayout{kVertical, kFramed, 0, 43, 8, 32}},
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

    SidebarGauges gauges{settings, drives, warning};
};

// Present drives take the slots in letter order, filled by their used share;
// a gauge is named for repaint only when its picture changed.
TEST_F(SidebarGaugesTest, ShowsRemovableAndFixedDrivesInLetterOrderAndNamesTheChangedForRepaint) {
    EXPECT_EQ(gauges.Refresh(u","), (std::vector<Rect>{kSlot0, kSlot1}));
    EXPECT_EQ(std::tie(gauges.letters[0], gauges.letters[1]), std::tuple('C', 'E'));
    EXPECT_FALSE(gauges.gauges[2].visible);
    // 3.5 and 10.5 steps free, to even
    EXPECT_EQ(std::tuple(gauges.gauges[0].Progress(), gauges.gauges[0].ForeColour(), gauges.gauges[1].ForeColour()),
              std::tuple(75, kLevelColours[4], kLevelColours[10]));
    settings.unit = DisplayUnit::Bytes;  // only the hints change
    EXPECT_EQ(gauges.Refresh(u","), std::vector<Rect>{});
    drives.drives[u"E:\\"].space = {50, 100};
    EXPECT_EQ(gauges.Refresh(u","), std::vector<Rect>{kSlot1});
    drives.drives.erase(u"C:\\");  // E moves up and its old place empties
    EXPECT_EQ(gauges.Refresh(u","), (std::vector<Rect>{kSlot0, kSlot1}));
    EXPECT_EQ(gauges.letters[0], 'E');
    settings.gaugeStyle = GaugeStyle::Pies;  // a pie is wider: the old place and the new one
    EXPECT_EQ(gauges.Refresh(u","), (std::vector<Rect>{kSlot0, {0, 5, 32, 37}}));
}

TEST_F(SidebarGaugesTest, BlinksWhiteAndFullUnderTheWarningWithASteadyHint) {
    warning.SetDigits({0, 0, 0, 0, 0, 1});  // every drive here has under 1 MiB free
    for (int refresh = 0; refresh < 4; ++refresh) {
        EXPECT_EQ(gauges.Refresh(u","), (std::vector<Rect>{kSlot0, kSlot1})) << "repainted at every step";
        const Gauge& c = gauges.gauges[0];
        EXPECT_EQ(std::tuple(c.ForeColour(), c.Progress()),
                  refresh % 2 ? std::tuple(kLevelColours[4], 75) : std::tuple(kWhite, 100));
        EXPECT_EQ(c.hint, u"C:空き/全[GB]=0/0");
    }
}

// The system tells a double click as a press, a release, a double-click
// message and a release: one explorer, not two.
TEST_F(SidebarGaugesTest, AClickOpensTheExplorerAtItsDriveOnceEvenWhenDouble) {
    gauges.Refresh(u",");
    const Point onE{1, 43};
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
