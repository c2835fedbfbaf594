#include "settings_panel/settings_window_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/dialog_keys_win32.h"
#include "platform/form_helpers_win32.h"
#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[64]{};
    GetWindowTextW(window, text, 64);
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

void PutOnClipboard(const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    EXPECT_TRUE(SetClipboardData(CF_UNICODETEXT, memory));
    CloseClipboard();
}

class SettingsWindowTest : public ::testing::Test {
protected:
    static Settings Loaded() {
        Settings loaded;
        loaded.warningDigits = {0, 0, 0, 3, 0, 9};
        return loaded;
    }
    HWND Control(int id) const { return GetDlgItem(panel.Handle(), id); }

    Settings settings = Loaded();
    testing::FakeDrivePlatform drives;
    LowSpaceWarning warning{WarningDigits{}};  // what the panel's digits set it to
    SettingsWindow panel{nullptr, settings, drives, warning};
};

// Only the arrows change a digit: any other way would leave the box showing
// what the warning does not use. The warning every display applies follows
// each digit the arrows change.
TEST_F(SettingsWindowTest, DigitsStartFromTheSettingsAndRefuseEveryChangeButTheArrows) {
    EXPECT_EQ(warning.SizeMiB(), 309) << "the digits of the settings";
    const HWND edit = Control(SettingsWindow::kFirstDigitEdit + 3);
    // Each way alone, with the key it needs held, from the same start; all selected for the deleting ways.
    // clang-format off
    const std::tuple<BYTE, UINT, WPARAM, LPARAM> changes[] = {
        {0, WM_CHAR, '5', 0}, {0, WM_KEYDOWN, VK_DELETE, 0}, {0, WM_PASTE, 0, 0}, {0, WM_CUT, 0, 0},
        {0, WM_CLEAR, 0, 0}, {0, WM_IME_CHAR, '5', 0}, {0, WM_UNICHAR, '5', 0},
        {0, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"5")},
        {0, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")}, {0, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12")},
        {VK_CONTROL, WM_CHAR, 0x16, 0}, {VK_CONTROL, WM_CHAR, 0x18, 0}, {VK_SHIFT, WM_KEYDOWN, VK_INSERT, 0}};
    // clang-format on
    PutOnClipboard(L"5");
    for (const auto& [heldKey, message, wParam, lParam] : changes) {
        BYTE keys[256]{};
        keys[heldKey] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(Control(SettingsWindow::kFirstDigitUpDown + 3), UDM_SETPOS32, 0, 3);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, message, wParam, lParam);
        keys[heldKey] = 0;
        SetKeyboardState(keys);
        EXPECT_EQ(TextOf(edit), L"3") << message << " " << wParam << " holding " << int{heldKey};
        EXPECT_EQ(warning.SizeMiB(), 309) << message << " " << wParam;
    }
    SendMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(TextOf(edit), L"2") << "the down key still changes it";
    // An arrow's click reaches the digit as these do: as the box's new text.
    SendMessageW(Control(SettingsWindow::kFirstDigitUpDown), UDM_SETPOS32, 0, 7);
    EXPECT_EQ(warning.SizeMiB(), 7 * 102'400 + 2 * 100 + 9) << "a key, a set position";
}

// Opened as the menu opens it, the panel has the focus on its first control,
// and Tab goes through the controls in their order, into the drive list,
// where the keys choose the tray drive: End the last one, whose line the
// scroll box brings into sight.
TEST_F(SettingsWindowTest, TabWalksTheControlsInOrderIntoTheDriveList) {
    for (char16_t letter = u'C'; letter <= u'Z'; ++letter)
        drives.drives[std::u16string{letter, u':', u'\\'}] = {DriveKind::Fixed, {25, 100}, u""};
    settings.trayDrive = "Q";
    ShowWindow(panel.Handle(), SW_SHOW);
    BringToFront(panel.Handle());
    panel.RefreshDriveList();
    using F = SettingsWindow;
    // The first control of each stop; a group of radio buttons is one stop.
    std::vector<int> stops{F::kLetterBox,          F::kTrayDriveBox, F::kFirstUnitButton,
                           F::kFirstPictureButton, F::kCloseButton,  F::kDriveList};
    for (int digit = 0; digit < 6; ++digit) stops.push_back(F::kFirstDigitEdit + digit);
    stops.push_back(F::kLetterBox);  // and round again
    HWND list = nullptr;
    for (const int first : stops) {
        const int count = first == F::kFirstUnitButton ? 4 : first == F::kFirstPictureButton ? 3 : 1;
        const int id = GetDlgCtrlID(GetFocus());
        EXPECT_TRUE(id >= first && id < first + count) << first << " expected, focus on " << id;
        if (id == SettingsWindow::kDriveList) {
            list = GetFocus();
            PressKey(VK_DOWN);
            PressKey(VK_END);
        }
        PressKey(VK_TAB);
    }
    EXPECT_EQ(settings.trayDrive, "Z") << "End chose the last drive";
    EXPECT_EQ(TextOf(Control(SettingsWindow::kTrayDriveBox)), L"Z");
    ASSERT_NE(list, nullptr) << "Tab never reached the drive list";
    RECT shown{}, box{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(SendMessageW(list, LB_GETCURSEL, 0, 0)),
                 reinterpret_cast<LPARAM>(&shown));
    MapWindowPoints(list, GetParent(list), reinterpret_cast<POINT*>(&shown), 2);
    GetClientRect(GetParent(list), &box);
    EXPECT_TRUE(shown.top >= 0 && shown.bottom <= box.bottom) << "the chosen line lies out of sight";
}

}  // namespace
}  // namespace kuvano
