#include <gtest/gtest.h>

#include "support/drive_display_fixture.h"
#include "tray/drive_monitor.h"
#include "tray/tray_dispatch.h"
#include "tray/tray_tip.h"

namespace kuvano {
namespace {

TEST(TrayActionFor, OnlyTheReleasesOfTheLeftAndRightButtonsAndANotificationsClickAct) {
    using enum TrayAction;
    const std::pair<uint32_t, TrayAction> messages[] = {
        {0x200, None}, {0x201, None}, {0x202, LeftClick}, {0x203, None}, {0x204, None},
        {0x205, Menu}, {0x206, None}, {0x207, None},      {0x208, None}, {0x209, None},
        {0x402, None}, {0x404, None}, {0x405, BalloonClick}, {0x406, None},  // a notification's show, hide, click, time out
    };
    for (const auto& [message, action] : messages) EXPECT_EQ(TrayActionFor(message), action) << message;
}

// The drive, the free space in the unit with "約" before a rounded count, and the unit's word.
TEST(TrayTooltip, GivesTheFreeSpaceInEachUnit) {
    using enum DisplayUnit;
    const std::pair<DisplayUnit, std::u16string_view> cases[] = {
        {Bytes, u"Cドライブ空き=5,905,580,032バイト"},          {Kilobytes, u"Cドライブ空き=約5,767,168キロバイト"},
        {Megabytes, u"Cドライブ空き=約5,632メガバイト"},        {Gigabytes, u"Cドライブ空き=約5ギガバイト"},
        {DisplayUnit{7}, u"Cドライブ空き=5,905,580,032バイト"},
    };
    for (const auto& [unit, tip] : cases) EXPECT_EQ(TrayTooltip("C", unit, 5'905'580'032, u","), tip);
}

// The tip's drive name comes from the settings file and may be any length;
// it holds no surrogate pairs (only ASCII names a drive), so cutting never meets one.
TEST(TrayTipText, KeepsAtMost63Characters) {
    const std::u16string a63(63, u'a');
    const std::pair<std::u16string, std::u16string> cases[] = {{u"", u""}, {a63, a63}, {a63 + u"b", a63}};
    for (const auto& [tip, expected] : cases) EXPECT_EQ(TrayTipText(tip), expected) << tip.size();
}

class DriveMonitorTest : public testing::DriveDisplayTest {
protected:
    DriveMonitorTest() {
        settings.homeDrive = "C";
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {50, 100}, u""};
    }

    DriveMonitor monitor{settings, drives, warning};
};

TEST_F(DriveMonitorTest, ShowsTheLevelInTheChosenKindOrKeepsThePictureForAnUnknownKind) {
    settings.unit = DisplayUnit::Bytes;
    using enum TrayPictureKind;
    const std::pair<TrayPictureKind, std::optional<TrayPictureChoice>> cases[] = {{Bar, TrayPictureChoice{Bar, 7}},
                                                                                  {Star, TrayPictureChoice{Star, 7}},
                                                                                  {TrayPictureKind{3}, std::nullopt},
                                                                                  {TrayPictureKind{-1}, std::nullopt}};
    for (const auto& [kind, picture] : cases) {
        settings.trayPicture = kind;
        const TrayUpdate update = monitor.Read(u",");
        EXPECT_EQ(std::tie(update.picture, update.tip), std::tie(picture, u"Cドライブ空き=50バイト"))
            << static_cast<int>(kind);
    }
}

}  // namespace
}  // namespace kuvano
