#include "tray/drive_monitor.h"

#include <gtest/gtest.h>

#include "support/fake_warning_digits.h"

#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

using testing::FakeDrivePlatform;

class DriveMonitorTest : public ::testing::Test {
protected:
    DriveMonitorTest() {
        settings.HomeDrive = "C";
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {50, 100}, u""};
        drives.drives[u"D:\\"] = {DriveKind::Removable, {0, 0}, u""};  // no media
        drives.drives[u"Q:\\"] = {DriveKind::CdRom, {10, 100}, u""};
        drives.drives[u"N:\\"] = {DriveKind::Remote, {10, 100}, u""};
    }
    TrayUpdate Tick() { return monitor.ReadTrayDrive(u","); }

    Settings settings;
    FakeDrivePlatform drives;
    testing::FakeWarningDigits digits;
    LowSpaceWarning warning{digits};
    DriveMonitor monitor{settings, drives, warning};
};

TEST_F(DriveMonitorTest, ShowsTheLevelPictureOfTheChosenKindAndTheTooltip) {
    settings.syurui = 0;
    settings.tani = 0;
    const TrayUpdate update = Tick();
    EXPECT_EQ(update.picture, (TrayPictureChoice{TrayIconKind::Bar, 7}));
    EXPECT_EQ(update.tip, u"Cドライブ空き=50バイト");
    settings.syurui = 2;
    EXPECT_EQ(Tick().picture, (TrayPictureChoice{TrayIconKind::Star, 7}));
}

TEST_F(DriveMonitorTest, UnusableDrivesFallBackToTheHomeDriveForGood) {
    for (const char* unusable : {"Q", "N", "Z", "", "C:", "\xE3\x81\x82"}) {
        settings.drivenam = unusable;
        const TrayUpdate update = Tick();
        EXPECT_EQ(settings.drivenam, "C") << unusable;
        EXPECT_EQ(update.tip, u"Cドライブ空き=約0ギガバイト") << unusable;
    }
    settings.drivenam = "D";  // removable: kept even without media
    EXPECT_EQ(Tick().picture->index, 0);
    EXPECT_EQ(settings.drivenam, "D");
}

TEST_F(DriveMonitorTest, AnUnusableHomeDriveIsQueriedAnywayAndReadsAsEmpty) {
    settings.HomeDrive = "\\";
    settings.drivenam = "Q";
    const TrayUpdate update = Tick();
    EXPECT_EQ(settings.drivenam, "\\");
    EXPECT_EQ(update.picture->index, 0);
    EXPECT_EQ(update.tip, u"\\ドライブ空き=約0ギガバイト");
}

TEST_F(DriveMonitorTest, OtherKindsKeepTheLastPictureButUpdateTheTip) {
    settings.syurui = 5;
    const TrayUpdate update = Tick();
    EXPECT_FALSE(update.picture.has_value());
    EXPECT_EQ(update.tip, u"Cドライブ空き=約0ギガバイト");
}

TEST_F(DriveMonitorTest, BlinksBelowTheWarningSizeWithASteadyTip) {
    digits.digits = {0, 0, 0, 0, 0, 1};
    settings.drivenam = "D";  // 0 bytes free
    std::vector<int32_t> indexes;
    for (int tick = 0; tick < 4; ++tick) {
        const TrayUpdate update = Tick();
        indexes.push_back(update.picture->index);
        EXPECT_EQ(update.tip, u"Dドライブ空き=約0ギガバイト");
    }
    EXPECT_EQ(indexes, (std::vector<int32_t>{14, 0, 14, 0}));
}

}  // namespace
}  // namespace kuvano
