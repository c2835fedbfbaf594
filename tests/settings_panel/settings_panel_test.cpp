#include "settings_panel/settings_panel.h"

#include <gtest/gtest.h>

#include "support/fake_warning_digits.h"

#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

using testing::FakeDrivePlatform;

class SettingsPanelTest : public ::testing::Test {
protected:
    SettingsPanelTest() {
        settings.HomeDrive = "C";
        settings.tani = 0;
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {100, 100}, u"System (C:)"};
        drives.drives[u"D:\\"] = {DriveKind::CdRom, {0, 100}, u"CD"};
        drives.drives[u"E:\\"] = {DriveKind::Removable, {0, 0}, u"USB (E:)"};  // no media
        drives.drives[u"F:\\"] = {DriveKind::RamDisk, {1, 2}, u"RAM"};
        drives.drives[u"G:\\"] = {DriveKind::Fixed, {25, 100}, u""};
        drives.drives[u"H:\\"] = {DriveKind::Fixed, {75, 100}, u""};
        drives.drives[u"Z:\\"] = {DriveKind::Remote, {1, 2}, u"net"};
    }

    Settings settings;
    FakeDrivePlatform drives;
    testing::FakeWarningDigits digits;
    LowSpaceWarning warning{digits};
    SettingsPanel panel{settings, drives, warning};
};

TEST_F(SettingsPanelTest, ListsRemovableAndFixedDrivesOnly) {
    const PanelView view = panel.Refresh(u",");
    EXPECT_EQ(view.edDrive, u"C");
    ASSERT_EQ(view.lines.size(), 4u);
    EXPECT_EQ(view.lines[0], u"C o------------- 空き=100/100バイト System (C:)");  // 14 clamped to 13
    EXPECT_EQ(view.lines[1], u"E oooooooooooooo 空き=0/0バイト USB (E:)");
    EXPECT_EQ(view.lines[2], u"G oooooooooo---- 空き=25/100バイト ");  // a quarter: 3.5 to 4
    EXPECT_EQ(view.lines[3], u"H oooo---------- 空き=75/100バイト ");  // three quarters: 10.5 to 10
    EXPECT_EQ(view.unitButton, 0);
    EXPECT_EQ(view.kindButton, 2);

    settings.tani = 9;
    settings.syurui = -1;
    const PanelView odd = panel.Refresh(u",");
    EXPECT_EQ(odd.unitButton, std::nullopt);
    EXPECT_EQ(odd.kindButton, std::nullopt);
    EXPECT_EQ(odd.lines[2], u"G oooooooooo---- 空き=25/100バイト ");  // shown in bytes, not empty
}

TEST_F(SettingsPanelTest, ALineBlinksUnderTheWarningWhileItsNumbersStay) {
    digits.digits = {0, 0, 0, 0, 0, 1};
    std::vector<std::u16string> lines;
    for (int tick = 0; tick < 3; ++tick) lines.push_back(panel.Refresh(u",").lines[2]);
    EXPECT_EQ(lines[0], u"G -------------- 空き=25/100バイト ");
    EXPECT_EQ(lines[1], u"G oooooooooo---- 空き=25/100バイト ");
    EXPECT_EQ(lines[2], lines[0]);
    EXPECT_EQ(panel.PanelBlinkFlags[4], 1);  // G's own flag
    EXPECT_EQ(panel.PanelBlinkFlags[1], 0);  // D is never listed
}

TEST_F(SettingsPanelTest, ChoosingALineSetsTheTrayDrive) {
    panel.ListBox1Click(u"G oooooooooo---- 空き=25/100バイト ");
    EXPECT_EQ(settings.drivenam, "G");
    panel.ListBox1Click(std::nullopt);  // nothing selected
    EXPECT_EQ(settings.drivenam, "C");
}

TEST(WarningDigitsFromSettings, AreClampedAsTheSpinControlsHoldThem) {
    Settings settings;
    settings.tenm1 = 12;
    settings.tenm2 = -3;
    settings.tenm6 = 7;
    EXPECT_EQ(DigitsFromSettings(settings), (WarningDigits{9, 0, 0, 0, 0, 7}));
    StoreDigits({1, 2, 3, 4, 5, 6}, settings);
    EXPECT_EQ(DigitsFromSettings(settings), (WarningDigits{1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace kuvano
