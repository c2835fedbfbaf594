#include "folder_size/folder_size_window_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "platform/directory_lister_win32.h"
#include "platform/local_time_win32.h"
#include "platform/message_pump_win32.h"
#include "platform/module_path_win32.h"
#include "platform/text_collation_win32.h"
#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The panel's own hint window, beside those its list may have.
HWND HintsOf(HWND panel) {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, TOOLTIPS_CLASSW, nullptr)) != nullptr;) {
        if (GetWindow(window, GW_OWNER) == panel && SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0) >= 3) return window;
    }
    return nullptr;
}

class FolderSizeWindowTest : public ::testing::Test {
protected:
    FolderSizeWindowTest() { EXPECT_TRUE(form5.Create(nullptr)); }
    ~FolderSizeWindowTest() override { DestroyWindow(form5.Handle()); }
    HWND Control(int id) const { return GetDlgItem(form5.Handle(), id); }

    DirectoryListerWin32 lister;
    LocalTimeWin32 localTime;
    TextCollationWin32 collation;
    TForm5 form5{lister, localTime, collation};
};

TEST_F(FolderSizeWindowTest, HasItsControlsInPlaceAndStartsIdle) {
    EXPECT_EQ(TextOf(form5.Handle()), TForm5::kCaption);
    RECT client{};
    GetClientRect(form5.Handle(), &client);
    EXPECT_EQ(client.right, 636);
    EXPECT_EQ(client.bottom, 449);
    EXPECT_FALSE(GetWindowLongW(form5.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));

    const HWND list = Control(TForm5::kListView1);
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
    const struct {
        const wchar_t* title;
        int width;
    } columns[] = {{L"使用メガ", 66}, {L"フォルダ名", 470}, {L"数", 56}};
    for (int i = 0; i < 3; ++i) {
        wchar_t title[32]{};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = title;
        column.cchTextMax = 32;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(title, columns[i].title);
        EXPECT_EQ(column.cx, columns[i].width);
    }
    const auto pictures = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    EXPECT_EQ(ImageList_GetImageCount(pictures), 14);

    // The history holds the program's folder alone, selected.
    const HWND combo = Control(TForm5::kCombo1);
    const std::wstring program(Wide(ProgramPath()));
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(TextOf(combo), program.substr(0, program.rfind(L'\\') + 1));
    EXPECT_TRUE(IsWindowEnabled(Control(TForm5::kBitBtn2)));
    EXPECT_FALSE(IsWindowEnabled(Control(TForm5::kBitBtn3)));

    SendMessageW(form5.Handle(), WM_COMMAND, MAKEWPARAM(TForm5::kCombo1, CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0), GetSystemMetrics(SM_CXSCREEN) - 60);

    // A disabled button gets no mouse messages: its hint must be found over the panel.
    const HWND hints = HintsOf(form5.Handle());
    const struct {
        int id;
        const wchar_t* hint;
    } buttons[] = {
        {TForm5::kBitBtn1, L"フォルダ参照"}, {TForm5::kBitBtn2, L"検索開始"}, {TForm5::kBitBtn3, L"検索中止"}};
    for (const auto& [id, hint] : buttons) {
        RECT place{};
        GetWindowRect(Control(id), &place);
        MapWindowPoints(nullptr, form5.Handle(), reinterpret_cast<POINT*>(&place), 2);
        TTHITTESTINFOW hit{};
        hit.hwnd = form5.Handle();
        hit.pt = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        hit.ti.cbSize = sizeof(hit.ti);
        ASSERT_TRUE(SendMessageW(hints, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit))) << id;
        wchar_t text[32]{};
        hit.ti.lpszText = text;
        SendMessageW(hints, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&hit.ti));
        EXPECT_STREQ(text, hint);
    }
}

// A folder of three subfolders, largest first: "a" holds three files, "b"
// two, "c" one.
class FolderSizeWindowSurveyTest : public FolderSizeWindowTest {
protected:
    FolderSizeWindowSurveyTest() {
        for (const auto& [name, files] : {std::pair{L"a", 3}, std::pair{L"b", 2}, std::pair{L"c", 1}}) {
            const std::wstring sub = folder.File(name);
            EXPECT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
            for (int i = 0; i < files; ++i) {
                testing::WriteFileBytes(sub + L"\\" + std::to_wstring(i), std::string(1 << 20, 'x'));
            }
        }
        const HWND combo = Control(TForm5::kCombo1);
        SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(folder.Path().c_str()));
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
    }
    // A key as the user types it: queued for the focused control, handled by
    // the pump that every message loop of the program shares.
    static void PressKey(UINT key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
        PumpPendingMessages();
    }
    LRESULT RowCount() const { return SendMessageW(Control(TForm5::kListView1), LVM_GETITEMCOUNT, 0, 0); }

    testing::ScratchFolder folder{L"panel"};
};

TEST_F(FolderSizeWindowSurveyTest, TabMovesEnterPressesAndEscClosesEvenDuringASurvey) {
    ShowWindow(form5.Handle(), SW_SHOW);
    ASSERT_EQ(GetFocus(), Control(TForm5::kBitBtn1));
    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        PressKey(VK_TAB);
        visited.push_back(GetDlgCtrlID(GetFocus()));
    }
    BYTE keys[256]{};
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PressKey(VK_TAB);
    visited.push_back(GetDlgCtrlID(GetFocus()));
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    // The stop button is off while no survey runs.
    EXPECT_EQ(visited, (std::vector<int>{TForm5::kCombo1, TForm5::kBitBtn2, TForm5::kListView1, TForm5::kBitBtn1,
                                         TForm5::kListView1}));

    SetFocus(Control(TForm5::kBitBtn2));
    PressKey(VK_RETURN);
    EXPECT_EQ(RowCount(), 3) << "Enter on the start button surveys";

    // Typed ahead: Esc comes while the survey that Enter starts runs, through its own pump.
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(form5.Handle()));
    EXPECT_LT(RowCount(), 3) << "the survey stopped";
    EXPECT_TRUE(IsWindowEnabled(Control(TForm5::kBitBtn2)));
}

// The first click selects "a"; the double-click lands on "b".
TEST_F(FolderSizeWindowSurveyTest, ADoubleClickSurveysTheRowUnderThePointer) {
    SendMessageW(form5.Handle(), WM_COMMAND, MAKEWPARAM(TForm5::kBitBtn2, BN_CLICKED), 0);
    const HWND list = Control(TForm5::kListView1);
    ASSERT_EQ(RowCount(), 3);
    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
    ASSERT_EQ(TextOf(Control(TForm5::kCombo1)), folder.File(L"a"));

    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 100, (row.top + row.bottom) / 2));
    EXPECT_EQ(TextOf(Control(TForm5::kCombo1)), folder.File(L"b"));
}

}  // namespace
}  // namespace kuvano
