#include "settings_panel/settings_panel.h"

#include <gtest/gtest.h>

#include "support/fake_warning_digits.h"

namespace kuvano {
namespace {

class SettingsPanelTest : public testing::DriveDisplayTest {
protected:
    SettingsPanelTest() {
        settings.HomeDrive = "C";
        settings.tani = 0;
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {100, 100}, u"System (C:)"};
        drives.drives[u"D:\\"] = {DriveKind::CdRom, {0, 100}, u"CD"};
        drives.drives[u"E:\\"] = {DriveKind::Removable, {0, 0}, u"USB (E:)"};  // no media
        drives.drives[u"G:\\"] = {DriveKind::Fixed, {25, 100}, u""};
    }

    SettingsPanel panel{settings, drives, warning};
};

TEST_F(SettingsPanelTest, ListsRemovableAndFixedDrivesAndMarksOnlyAKnownUnitAndKind) {
    const PanelView view = panel.Refresh(u",");
    EXPECT_EQ(view.edDrive, u"C");
    EXPECT_EQ(view.lines, (std::vector<std::u16string>{u"C o------------- 空き=100/100バイト System (C:)",
                                                       u"E oooooooooooooo 空き=0/0バイト USB (E:)",
                                                       u"G oooooooooo---- 空き=25/100バイト "}));
    const std::tuple<int32_t, std::optional<int>, int32_t, std::optional<int>> marks[] = {
        {0, 0, 2, 2}, {3, 3, 0, 0}, {4, std::nullopt, 3, std::nullopt}, {-1, std::nullopt, -1, std::nullopt}};
    for (const auto& [tani, unitButton, syurui, kindButton] : marks) {
        settings.tani = tani;
        settings.syurui = syurui;
        const PanelView marked = panel.Refresh(u",");
        EXPECT_EQ(std::tie(marked.unitButton, marked.kindButton), std::tie(unitButton, kindButton)) << tani << syurui;
    }
}

TEST_F(SettingsPanelTest, ChoosingALineSetsTheTrayDriveAndNoLineTheHomeDrive) {
    const std::pair<std::optional<std::u16string>, std::string> choices[] = {
        {u"G ooo", "G"}, {std::nullopt, "C"}, {u"E", "E"}, {u"", "C"}, {u"\u0080", "C"}};
    for (const auto& [line, drive] : choices) {
        panel.ListBox1Click(line);
        EXPECT_EQ(settings.drivenam, drive);
    }
}

TEST(WarningDigits, AreClampedToOneDigitEachAndStoredInOrder) {
    Settings settings;
    settings.tenm1 = 12;
    settings.tenm2 = -3;
    settings.tenm6 = 9;
    EXPECT_EQ(DigitsFromSettings(settings), (WarningDigits{9, 0, 0, 0, 0, 9}));
    StoreDigits({1, 2, 3, 4, 5, 6}, settings);
    EXPECT_EQ(DigitsFromSettings(settings), (WarningDigits{1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace kuvano
