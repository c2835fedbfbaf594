#include "settings_panel/settings_window_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>
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
    HWND DigitUpDown(int digit) const { return GetDlgItem(form2.Handle(), TForm2::kFirstDigitUpDown + digit); }
    HWND DigitEdit(int digit) const { return GetDlgItem(form2.Handle(), TForm2::kFirstDigitEdit + digit); }

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

// The warning follows the digit controls however a digit changes, though
// it no longer asks the controls on every refresh.
TEST_F(SettingsWindowTest, DigitsStartFromTheSettings) {
    EXPECT_EQ(form2.CurrentWarningDigits(), (WarningDigits{0, 0, 0, 3, 0, 9}));
}

TEST_F(SettingsWindowTest, DigitsFollowArrowKeysSetPositionsAndArrowClicks) {
    SendMessageW(DigitEdit(3), WM_KEYDOWN, VK_UP, 0);
    SendMessageW(DigitEdit(3), WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(form2.CurrentWarningDigits()[3], 4) << "the up key";

    SendMessageW(DigitUpDown(0), UDM_SETPOS32, 0, 7);
    EXPECT_EQ(form2.CurrentWarningDigits()[0], 7) << "a position set from outside";

    RECT arrows{};
    GetClientRect(DigitUpDown(5), &arrows);
    const LPARAM lowerArrow = MAKELPARAM(arrows.right / 2, arrows.bottom * 3 / 4);
    SendMessageW(DigitUpDown(5), WM_LBUTTONDOWN, MK_LBUTTON, lowerArrow);
    SendMessageW(DigitUpDown(5), WM_LBUTTONUP, 0, lowerArrow);
    EXPECT_EQ(form2.CurrentWarningDigits()[5], 8) << "a click on the lower arrow";

    EXPECT_EQ(form2.CurrentWarningDigits(), (WarningDigits{7, 0, 0, 4, 0, 8}));
}

// One way of changing an edit box's text: the messages it gets, with a
// modifier key held down.
struct TextChange {
    const char* name;
    BYTE heldKey;
    std::vector<MSG> messages;
};

// Only the arrows change a digit: every other way would leave the box
// showing what the warning does not use.
TEST_F(SettingsWindowTest, DigitsRefuseEveryChangeButTheArrows) {
    const HWND edit = DigitEdit(3);
    const auto key = [edit](UINT message, WPARAM wParam, LPARAM lParam = 0) {
        return MSG{edit, message, wParam, lParam, 0, {}};
    };
    const std::vector<TextChange> changes{
        {"a typed digit", 0, {key(WM_KEYDOWN, '5'), key(WM_CHAR, '5')}},
        {"Delete", 0, {key(WM_KEYDOWN, VK_DELETE)}},
        {"Backspace", 0, {key(WM_KEYDOWN, VK_BACK), key(WM_CHAR, VK_BACK)}},
        {"Ctrl+V", VK_CONTROL, {key(WM_KEYDOWN, 'V'), key(WM_CHAR, 0x16)}},
        {"Shift+Insert", VK_SHIFT, {key(WM_KEYDOWN, VK_INSERT)}},
        {"Ctrl+X", VK_CONTROL, {key(WM_KEYDOWN, 'X'), key(WM_CHAR, 0x18)}},
        {"Shift+Delete", VK_SHIFT, {key(WM_KEYDOWN, VK_DELETE)}},
        {"WM_PASTE", 0, {key(WM_PASTE, 0)}},
        {"WM_CUT", 0, {key(WM_CUT, 0)}},
        {"WM_CLEAR", 0, {key(WM_CLEAR, 0)}},
        {"WM_IME_CHAR", 0, {key(WM_IME_CHAR, '5')}},
        {"WM_UNICHAR", 0, {key(WM_UNICHAR, '5')}},
        {"EM_REPLACESEL", 0, {key(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"5"))}},
        {"WM_SETTEXT of nothing", 0, {key(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""))}},
        {"WM_SETTEXT out of range", 0, {key(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12"))}},
    };
    PutOnClipboard(L"5");
    for (const TextChange& change : changes) {
        BYTE keys[256]{};
        keys[change.heldKey] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(DigitUpDown(3), UDM_SETPOS32, 0, 3);  // each way from the same start
        SendMessageW(edit, EM_SETSEL, 0, -1);              // all of it, for the deleting ways
        for (const MSG& message : change.messages) SendMessageW(edit, message.message, message.wParam, message.lParam);
        const BYTE released[256]{};
        SetKeyboardState(const_cast<BYTE*>(released));
        EXPECT_EQ(TextOf(edit), L"3") << change.name;
        EXPECT_EQ(form2.CurrentWarningDigits()[3], 3) << change.name;
    }

    SendMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(TextOf(edit), L"2") << "the down key still changes it";
    EXPECT_EQ(form2.CurrentWarningDigits()[3], 2);
}

// Opened as the menu opens it, the panel has the focus on its first control,
// and Tab goes through the controls in their order, into the drive list,
// where the keys choose the tray drive: End the last one, whose line the
// scroll box brings into sight.
TEST_F(SettingsWindowTest, TabWalksTheControlsInOrderIntoTheDriveList) {
    for (char16_t letter = u'C'; letter <= u'Z'; ++letter) {
        drives.drives[std::u16string{letter, u':', u'\\'}] = {DriveKind::Fixed, {25, 100}, u""};
    }
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
        order.push_back({"a SpinEdit", TForm2::kFirstDigitEdit + digit, TForm2::kFirstDigitEdit + digit});
    }
    order.push_back({"Memo1 again", TForm2::kMemo1, TForm2::kMemo1});
    HWND list = nullptr;
    for (const Stop& stop : order) {
        const int id = GetDlgCtrlID(GetFocus());
        EXPECT_TRUE(id >= stop.firstId && id <= stop.lastId) << stop.name << " expected, focus on " << id;
        if (id == TForm2::kListBox1) {
            list = GetFocus();
            PressKey(VK_DOWN);
            PressKey(VK_END);
        }
        PressKey(VK_TAB);
    }

    ASSERT_NE(list, nullptr) << "Tab never reached the drive list";
    const LRESULT chosen = SendMessageW(list, LB_GETCURSEL, 0, 0);
    ASSERT_NE(chosen, LB_ERR);
    EXPECT_EQ(settings.drivenam, "Z") << "End chose the last drive";
    EXPECT_EQ(TextOf(GetDlgItem(form2.Handle(), TForm2::kEdDrive)), L"Z");
    RECT shown{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(chosen), reinterpret_cast<LPARAM>(&shown));
    MapWindowPoints(list, GetParent(list), reinterpret_cast<POINT*>(&shown), 2);
    RECT box{};
    GetClientRect(GetParent(list), &box);
    EXPECT_TRUE(shown.top >= 0 && shown.bottom <= box.bottom) << "the chosen line lies out of sight";
}

}  // namespace
}  // namespace kuvano
