#include "settings_panel/settings_window_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/dialog_keys_win32.h"
#include "platform/form_helpers_win32.h"
#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    SettingsWindowTest() {
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

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// As the program's message loop handles a key: dialog keys first.
void PressKey(UINT key) {
    for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG msg{GetFocus(), message, key, 0, 0, {}};
        if (TranslateDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The warning follows the digit controls however a digit changes, though
// it no longer asks the controls on every refresh.
TEST_F(SettingsWindowTest, DigitsStartFromTheSettings) {
    EXPECT_EQ(form2.CurrentWarningDigits(), (WarningDigits{0, 0, 0, 3, 0, 9}));
}

TEST_F(SettingsWindowTest, DigitsFollowArrowKeysSetPositionsAndArrowClicks) {
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

// Opened as the menu opens it, the panel has the focus on its first control,
// and Tab goes through the controls in their order, into the drive list,
// where a key chooses the tray drive.
TEST_F(SettingsWindowTest, TabWalksTheControlsInOrderIntoTheDriveList) {
    drives.drives[u"C:\\"] = {DriveKind::Fixed, {25, 100}, u""};
    drives.drives[u"E:\\"] = {DriveKind::Removable, {75, 100}, u""};
    settings.drivenam = "Q";
    ShowWindow(form2.Handle(), SW_SHOW);
    BringToFront(form2.Handle());
    SendMessageW(form2.Handle(), WM_TIMER, TForm2::kSeteiTimer, 0);
    struct Stop {
        const char* name;
        int firstId;
        int lastId;
    };
    std::vector<Stop> order{
        {"Memo1", TForm2::kMemo1, TForm2::kMemo1},
        {"edDrive", TForm2::kEdDrive, TForm2::kEdDrive},
        {"GroupBox1", TForm2::kFirstUnitButton, TForm2::kFirstUnitButton + 3},
        {"GroupBox2", TForm2::kFirstKindButton, TForm2::kFirstKindButton + 2},
        {"BitBtn1", TForm2::kBitBtn1, TForm2::kBitBtn1},
        {"ListBox1", TForm2::kListBox1, TForm2::kListBox1},
    };
    for (int digit = 0; digit < 6; ++digit) {
        order.push_back({"a SpinEdit", TForm2::kFirstSpinEdit + digit, TForm2::kFirstSpinEdit + digit});
    }
    order.push_back({"Memo1 again", TForm2::kMemo1, TForm2::kMemo1});
    HWND list = nullptr;
    for (const Stop& stop : order) {
        const int id = GetDlgCtrlID(GetFocus());
        EXPECT_TRUE(id >= stop.firstId && id <= stop.lastId) << stop.name << " expected, focus on " << id;
        if (id == TForm2::kListBox1) {
            list = GetFocus();
            PressKey(VK_DOWN);
        }
        PressKey(VK_TAB);
    }

    ASSERT_NE(list, nullptr) << "Tab never reached the drive list";
    const LRESULT chosen = SendMessageW(list, LB_GETCURSEL, 0, 0);
    ASSERT_NE(chosen, LB_ERR);
    wchar_t line[256]{};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(chosen), reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(settings.drivenam, std::string(1, static_cast<char>(line[0]))) << "the Down key chose a drive";
    EXPECT_EQ(TextOf(GetDlgItem(form2.Handle(), TForm2::kEdDrive)), std::wstring(1, line[0]));
}

}  // namespace
}  // namespace kuvano
