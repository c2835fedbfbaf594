#include "settings_panel/settings_window_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

// The warning follows the digit controls however a digit changes, though
// it no longer asks the controls on every refresh.
class SettingsWindowDigits : public ::testing::Test {
protected:
    SettingsWindowDigits() {
        settings.tenm4 = 3;
        settings.tenm6 = 9;
        EXPECT_TRUE(form2.Create(nullptr));
    }
    HWND SpinButtons(int digit) const { return GetDlgItem(form2.Handle(), TForm2::kFirstSpinButtons + digit); }
    HWND SpinEdit(int digit) const { return GetDlgItem(form2.Handle(), TForm2::kFirstSpinEdit + digit); }

    Settings settings;
    testing::FakeDrivePlatform drives;
    TForm2 form2{settings, drives};
};

TEST_F(SettingsWindowDigits, StartFromTheSettings) {
    EXPECT_EQ(form2.CurrentWarningDigits(), (WarningDigits{0, 0, 0, 3, 0, 9}));
}

TEST_F(SettingsWindowDigits, FollowArrowKeysSetPositionsAndArrowClicks) {
    SendMessageW(SpinEdit(3), WM_KEYDOWN, VK_UP, 0);
    SendMessageW(SpinEdit(3), WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(form2.CurrentWarningDigits()[3], 4) << "the up key";

    SendMessageW(SpinButtons(0), UDM_SETPOS32, 0, 7);
    EXPECT_EQ(form2.CurrentWarningDigits()[0], 7) << "a position set from outside";

    RECT arrows{};
    GetClientRect(SpinButtons(5), &arrows);
    const LPARAM lowerArrow = MAKELPARAM(arrows.right / 2, arrows.bottom * 3 / 4);
    SendMessageW(SpinButtons(5), WM_LBUTTONDOWN, MK_LBUTTON, lowerArrow);
    SendMessageW(SpinButtons(5), WM_LBUTTONUP, 0, lowerArrow);
    EXPECT_EQ(form2.CurrentWarningDigits()[5], 8) << "a click on the lower arrow";

    EXPECT_EQ(form2.CurrentWarningDigits(), (WarningDigits{7, 0, 0, 4, 0, 8}));
}

}  // namespace
}  // namespace kuvano
