#include "sidebar/sidebar_gauges.h"

#include <gtest/gtest.h>

#include "support/fake_warning_digits.h"

#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

using testing::FakeDrivePlatform;

class SidebarGaugesTest : public ::testing::Test {
protected:
    SidebarGaugesTest() {
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {25, 100}, u""};
        drives.drives[u"D:\\"] = {DriveKind::CdRom, {0, 100}, u""};
        drives.drives[u"E:\\"] = {DriveKind::Removable, {75, 100}, u""};
        drives.drives[u"Z:\\"] = {DriveKind::Remote, {1, 100}, u""};
    }
    std::vector<std::string> ShownDrives() const {
        std::vector<std::string> shown;
        for (size_t i = 0; i < kSidebarSlots; ++i) {
            if (gauges.BarGauges[i].Visible) shown.push_back(gauges.BarDrives[i]);
        }
        return shown;
    }

    Settings settings;
    FakeDrivePlatform drives;
    testing::FakeWarningDigits digits;
    LowSpaceWarning warning{digits};
    SidebarGauges gauges{settings, drives, warning};
};

TEST_F(SidebarGaugesTest, StartsWithTwentyFourHiddenFullGaugesNamedBySlot) {
    for (size_t i = 0; i < kSidebarSlots; ++i) {
        const TMyGauge& gauge = gauges.BarGauges[i];
        EXPECT_EQ(gauge.Name, "gIco" + std::to_string(i));
        EXPECT_FALSE(gauge.Visible);
        EXPECT_EQ(gauge.Progress(), 100);
        EXPECT_EQ(gauge.ForeColor(), 0xC0C0C0u);
        EXPECT_EQ(gauges.BarDrives[i], "");
    }
}

TEST_F(SidebarGaugesTest, ShowsRemovableAndFixedDrivesInLetterOrder) {
    gauges.Refresh(u",");
    EXPECT_EQ(ShownDrives(), (std::vector<std::string>{"C", "E"}));
    const TMyGauge& c = gauges.BarGauges[0];
    EXPECT_EQ(c.Progress(), 75);                                  // 25 % free: filled by the used share
    EXPECT_EQ(c.ForeColor(), LevelColors[4]);                     // 3.5 rounds to 4: light orange
    EXPECT_EQ(gauges.BarGauges[1].ForeColor(), LevelColors[10]);  // 10.5 rounds to 10: blue
    EXPECT_EQ(c.Hint, u"C:空き/全[GB]=0/0");

    drives.drives.erase(u"C:\\");  // gone: E moves up
    gauges.Refresh(u",");
    EXPECT_EQ(ShownDrives(), std::vector<std::string>{"E"});
    EXPECT_EQ(gauges.ExplorerParametersFor(gauges.BarGauges[0]), u"/e ,/select, E:\\");
}

TEST_F(SidebarGaugesTest, LaysGaugesOutAlongTheStrip) {
    settings.iti = 3;
    settings.enGrf = false;
    drives.drives[u"F:\\"] = {DriveKind::Fixed, {1, 2}, u""};
    gauges.Refresh(u",");
    const auto at = [this](size_t slot) {
        const TMyGauge& g = gauges.BarGauges[slot];
        return std::array{g.Left, g.Top, g.Width, g.Height};
    };
    EXPECT_EQ(at(0), (std::array{0, 5, 8, 32}));
    EXPECT_EQ(at(1), (std::array{0, 43, 8, 32}));
    EXPECT_EQ(at(2), (std::array{0, 81, 8, 32}));
    EXPECT_EQ(gauges.BarGauges[0].Kind(), TMyGaugeKind::gkVerticalBar);

    settings.iti = 1;
    settings.enGrf = true;
    settings.aki = 0x00FF00;
    gauges.Refresh(u",");
    EXPECT_EQ(at(1), (std::array{43, 0, 32, 32}));
    EXPECT_EQ(gauges.BarGauges[1].Kind(), TMyGaugeKind::gkPie);
    EXPECT_EQ(gauges.BarGauges[1].BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(gauges.BarGauges[1].Color, 0x00FF00u);

    settings.iti = 5;  // unknown edge: the last layout stays
    gauges.Refresh(u",");
    EXPECT_EQ(at(1), (std::array{43, 0, 32, 32}));
}

TEST(GaugeGeometry, FollowsTheEdgeAndStyle) {
    EXPECT_EQ(GaugeGeometry(2, false, 0),
              (GaugeLayout{TMyGaugeKind::gkHorizontalBar, TBorderStyle::bsSingle, 5, 0, 32, 8}));
    EXPECT_EQ(GaugeGeometry(4, true, 23), (GaugeLayout{TMyGaugeKind::gkPie, TBorderStyle::bsNone, 0, 879, 32, 32}));
    EXPECT_EQ(GaugeGeometry(0, false, 0), std::nullopt);
}

TEST(FreePercent, RoundsHalvesToEvenWithinZeroToHundred) {
    EXPECT_EQ(FreePercent(25, 100), 25);
    EXPECT_EQ(FreePercent(1, 200), 0);  // 0.5 to even
    EXPECT_EQ(FreePercent(3, 200), 2);  // 1.5 to even
    EXPECT_EQ(FreePercent(100, 100), 100);
    EXPECT_EQ(FreePercent(300, 100), 100);
    EXPECT_EQ(FreePercent(5, 0), 0);
    EXPECT_EQ(FreePercent(-5, 100), 0);
}

TEST(SidebarHint, GivesFreeAndTotalInTheUnit) {
    EXPECT_EQ(SidebarHint('C', 3, 12LL << 30, 100LL << 30, u","), u"C:空き/全[GB]=12/100");
    EXPECT_EQ(SidebarHint('D', 0, 1'234'567, 9'876'543, u","), u"D:空き/全[B]=1,234,567/9,876,543");
    EXPECT_EQ(SidebarHint('C', 1, 1'048'575, 2'048, u","), u"C:空き/全[KB]=1,023/2");
    EXPECT_EQ(SidebarHint('C', 2, 0, 0, u","), u"C:空き/全[MB]=0/0");
    EXPECT_EQ(SidebarHint('E', 7, 1'234, 9'999, u","), u"Eドライブ空き=1,234バイト");
    EXPECT_EQ(SidebarHint('E', -1, 1'234, 9'999, u","), u"Eドライブ空き=1,234バイト");
}

TEST_F(SidebarGaugesTest, BlinksWhiteAndFullUnderTheWarningWithASteadyHint) {
    digits.digits = {0, 0, 0, 0, 0, 1};  // every drive here has under 1 MiB free
    std::vector<TColor> colours;
    for (int tick = 0; tick < 4; ++tick) {
        gauges.Refresh(u",");
        colours.push_back(gauges.BarGauges[0].ForeColor());
        EXPECT_EQ(gauges.BarGauges[0].Hint, u"C:空き/全[GB]=0/0");
    }
    EXPECT_EQ(colours, (std::vector<TColor>{0xFFFFFF, LevelColors[4], 0xFFFFFF, LevelColors[4]}));
    gauges.Refresh(u",");
    EXPECT_EQ(gauges.BarGauges[0].Progress(), 100);  // the warning frame is a full gauge
}

// Where slots 0 and 1 sit on the default strip: bars at the left edge.
constexpr Rect kSlot0{0, 5, 8, 37};
constexpr Rect kSlot1{0, 43, 8, 75};

TEST_F(SidebarGaugesTest, NamesForRepaintOnlyTheGaugesWhosePictureChanged) {
    EXPECT_EQ(gauges.Refresh(u","), (std::vector<Rect>{kSlot0, kSlot1}));  // both appear
    settings.tani = 0;                                                         // only the hints change
    EXPECT_EQ(gauges.Refresh(u","), std::vector<Rect>{});
    drives.drives[u"E:\\"].space = {50, 100};
    EXPECT_EQ(gauges.Refresh(u","), std::vector<Rect>{kSlot1});
    drives.drives.erase(u"C:\\");  // E moves up and its old place empties
    EXPECT_EQ(gauges.Refresh(u","), (std::vector<Rect>{kSlot0, kSlot1}));
    settings.enGrf = true;  // a pie is wider: the old place and the new one
    EXPECT_EQ(gauges.Refresh(u","), (std::vector<Rect>{kSlot0, {0, 5, 32, 37}}));
}

TEST_F(SidebarGaugesTest, NamesABlinkingGaugeForRepaintAtEveryStep) {
    gauges.Refresh(u",");
    digits.digits = {0, 0, 0, 0, 0, 1};  // every drive here has under 1 MiB free
    for (int step = 0; step < 3; ++step) EXPECT_EQ(gauges.Refresh(u","), (std::vector<Rect>{kSlot0, kSlot1}));
}

TEST_F(SidebarGaugesTest, AClickNeedsAGaugeOfTheSidebar) {
    gauges.Refresh(u",");
    EXPECT_EQ(gauges.ExplorerParametersFor(gauges.BarGauges[1]), u"/e ,/select, E:\\");
    TMyGauge stranger;
    stranger.Name = "gIcoXY";
    EXPECT_EQ(gauges.ExplorerParametersFor(stranger), u"");
}

// The system tells a double click as a press, a release, a double-click
// message and a release: one explorer, not two.
TEST_F(SidebarGaugesTest, ADoubleClickOnAGaugeClicksItOnce) {
    gauges.Refresh(u",");
    const TMyGauge& e = gauges.BarGauges[1];
    const Point onE{e.Left + 1, e.Top + 1};
    EXPECT_EQ(gauges.LeftButtonAt(LeftButton::Press, onE), u"");
    EXPECT_EQ(gauges.LeftButtonAt(LeftButton::Release, onE), u"/e ,/select, E:\\");
    EXPECT_EQ(gauges.LeftButtonAt(LeftButton::DoubleClick, onE), u"");
    EXPECT_EQ(gauges.LeftButtonAt(LeftButton::Release, onE), u"") << "the double click's own release";
}

}  // namespace
}  // namespace kuvano
