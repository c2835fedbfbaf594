#include "settings_panel/settings_panel.h"

#include <gtest/gtest.h>

#include "support/drive_display_fixture.h"

namespace kuvano {
namespace {

class SettingsPanelTest : public testing::DriveDisplayTest {
protected:
    SettingsPanelTest() {
        settings.homeDrive = "C";
        settings.unit = DisplayUnit::Bytes;
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {100, 100}, u"System (C:)"};
        drives.drives[u"D:\\"] = {DriveKind::CdRom, {0, 100}, u"CD"};
        drives.drives[u"E:\\"] = {DriveKind::Removable, {0, 0}, u"USB (E:)"};  // no media
        drives.drives[u"G:\\"] = {DriveKind::Fixed, {25, 100}, u""};
    }

    SettingsPanel panel{settings, drives, warning};
};

TEST_F(SettingsPanelTest, ListsRemovableAndFixedDrivesAndMarksOnlyAKnownUnitAndKind) {
    const PanelView view = panel.Refresh(u",");
    EXPECT_EQ(view.trayDrive, u"C");
    EXPECT_EQ(view.lines, (std::vector<std::u16string>{u"C o------------- 空き=100/100バイト System (C:)",
                                                       u"E oooooooooooooo 空き=0/0バイト USB (E:)",
                                                       u"G oooooooooo---- 空き=25/100バイト "}));
    const std::tuple<int32_t, std::optional<int>, int32_t, std::optional<int>> marks[] = {
        {0, 0, 2, 2}, {3, 3, 0, 0}, {4, std::nullopt, 3, std::nullopt}, {-1, std::nullopt, -1, std::nullopt}};
    for (const auto& [unit, unitButton, picture, pictureButton] : marks) {
        settings.unit = DisplayUnit{unit};
        settings.trayPicture = TrayPictureKind{picture};
        const PanelView marked = panel.Refresh(u",");
        EXPECT_EQ(std::tie(marked.unitButton, marked.pictureButton), std::tie(unitButton, pictureButton))
            << unit << picture;
    }
}

TEST_F(SettingsPanelTest, ChoosingALineSetsTheTrayDriveAndNoLineTheHomeDrive) {
    const std::pair<std::optional<std::u16string>, std::string> choices[] = {
        {u"G ooo", "G"}, {std::nullopt, "C"}, {u"E", "E"}, {u"", "C"}, {u"\u0080", "C"}};
    for (const auto& [line, drive] : choices) {
        panel.ChooseTrayDrive(line);
        EXPECT_EQ(settings.trayDrive, drive);
    }
}

TEST(WarningDigits, AreClampedToOneDigitEach) {
    EXPECT_EQ(ClampedDigits({12, -3, 0, 5, 0, 9}), (WarningDigits{9, 0, 0, 5, 0, 9}));
}

}  // namespace
}  // namespace kuvano
