#include "folder_size/folder_size_window_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "platform/directory_lister_win32.h"
#include "platform/message_pump_win32.h"
#include "platform/survey_system_win32.h"
#include "platform/text_collation_win32.h"
#include "platform/wide_text_win32.h"
#include "platform/wall_clock_win32.h"
#include "support/entry_hook_lister.h"
#include "support/fake_file_store.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

// A folder of three subfolders of 1 MiB files: "a" three, "b" two, and "c"
// four at the bottom of a chain of folders beyond 260 characters.
class FolderSizeWindowTest : public ::testing::Test {
protected:
    FolderSizeWindowTest() {
        for (const auto& [name, files] : {std::pair{L"a", 3}, {L"b", 2}, {L"c", 4}}) {
            std::wstring sub = folder.File(name);
            EXPECT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
            while (name == std::wstring_view(L"c") && sub.size() <= 260) {
                sub += L"\\" + std::wstring(40, L'd');
                EXPECT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
            }
            for (int i = 0; i < files; ++i)
                testing::WriteFileBytes(sub + L"\\" + std::to_wstring(i), std::string(1 << 20, 'x'));
        }
        SendMessageW(Control(FolderSizeWindow::kHistoryBox), CB_INSERTSTRING, 0,
                     reinterpret_cast<LPARAM>(folder.Path().c_str()));
        SendMessageW(Control(FolderSizeWindow::kHistoryBox), CB_SETCURSEL, 0, 0);
        ShowWindow(sizes.Handle(), SW_SHOW);
    }
    ~FolderSizeWindowTest() override { DestroyWindow(sizes.Handle()); }

    HWND Control(int id) const { return GetDlgItem(sizes.Handle(), id); }
    void Click(int id) const { SendMessageW(sizes.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    LRESULT Rows() const { return SendMessageW(Control(FolderSizeWindow::kSizeList), LVM_GETITEMCOUNT, 0, 0); }
    std::wstring Cell(LRESULT row, int column) const {
        wchar_t text[MAX_PATH]{};
        LVITEMW item{};
        item.iSubItem = column, item.pszText = text, item.cchTextMax = MAX_PATH;
        SendMessageW(Control(FolderSizeWindow::kSizeList), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::wstring ChangeTitle() const {
        wchar_t text[MAX_PATH]{};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT, column.pszText = text, column.cchTextMax = MAX_PATH;
        ListView_GetColumn(Control(FolderSizeWindow::kSizeList), kColumnChange, &column);
        return text;
    }
    std::wstring Shown() const {
        wchar_t text[MAX_PATH]{};
        GetWindowTextW(Control(FolderSizeWindow::kHistoryBox), text, MAX_PATH);
        return text;
    }
    // As the user types it: queued for the focused control, handled by the pump every loop shares.
    static void PressKey(UINT key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
        PumpPendingMessages();
    }

    // Four workers, which a volume under Wine would not get: its seek penalty cannot be said.
    static SurveySystem FourWorkers(std::shared_ptr<const DirectoryLister> lister) {
        SurveySystem system = SurveySystemWin32();
        system.lister = std::move(lister);
        system.poolSize = [](VolumeKind) { return 4u; };
        return system;
    }

    std::shared_ptr<testing::EntryHookLister> lister =
        std::make_shared<testing::EntryHookLister>(std::make_shared<DirectoryListerWin32>());
    TextCollationWin32 collation;
    testing::FakeFileStore store;
    WallClockWin32 clock;
    SurveyMemory memory{store, u"Kuvano.surveys", collation, clock};
    FolderSizeWindow sizes{nullptr, FourWorkers(lister), collation, memory, clock};
    testing::ScratchFolder folder{L"panel"};
};

TEST_F(FolderSizeWindowTest, TheHighlightStaysWithItsFolderAndADoubleClickSurveysTheRowUnderThePointer) {
    for (int survey = 0; survey < 2; ++survey) {  // the second is compared with the first
        Click(FolderSizeWindow::kStartButton);
        for (int waited = 0; waited < 10'000 && IsWindowEnabled(Control(FolderSizeWindow::kStopButton)); ++waited)
            PumpPendingMessages(), Sleep(1);  // the workers' notices, until the survey ends
    }
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(0, kColumnFolder), folder.File(L"c")) << "largest first, counted beyond 260 characters";
    EXPECT_EQ(Cell(0, kColumnChange), L"0");
    EXPECT_EQ(ChangeTitle().substr(0, 4), L"前回: ") << "when the first survey ended";
    const HWND list = Control(FolderSizeWindow::kSizeList);
    LVITEMW selected{};
    selected.state = selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
    EXPECT_EQ(Shown(), folder.File(L"c"));
    NMLISTVIEW header{};
    header.hdr = {list, FolderSizeWindow::kSizeList, static_cast<UINT>(LVN_COLUMNCLICK)},
    header.iSubItem = kColumnMegabytes;
    SendMessageW(sizes.Handle(), WM_NOTIFY, FolderSizeWindow::kSizeList, reinterpret_cast<LPARAM>(&header));
    const LRESULT highlighted = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    EXPECT_EQ(Cell(highlighted, kColumnFolder), folder.File(L"c")) << "smallest first now";
    EXPECT_EQ(highlighted, 2);

    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 100, (row.top + row.bottom) / 2));
    const std::wstring b = folder.File(L"b");
    for (int waited = 0; waited < 10'000 && Shown() != b; ++waited) PumpPendingMessages(), Sleep(1);
    EXPECT_EQ(Shown(), b) << "once the workers have found it";
}

TEST_F(FolderSizeWindowTest, TabMovesEnterSurveysAndDuringASurveyOnlyStopAndEscTakeInput) {
    ASSERT_EQ(GetFocus(), Control(FolderSizeWindow::kFolderButton));
    std::vector<int> visited;
    for (int presses = 0; presses < 4; ++presses) PressKey(VK_TAB), visited.push_back(GetDlgCtrlID(GetFocus()));
    EXPECT_EQ(visited, (std::vector<int>{FolderSizeWindow::kHistoryBox, FolderSizeWindow::kStartButton,
                                         FolderSizeWindow::kSizeList, FolderSizeWindow::kFolderButton}))
        << "the stop button is off while no survey runs";
    std::atomic<bool> inC = false;  // "c" is walked slowly, so that a stop comes in the middle of it
    lister->OnEntry = [&, c = FromWide(folder.File(L"c"))](const std::u16string& pattern, int) {
        if (pattern.starts_with(c)) inC = true, Sleep(20);
    };
    SetFocus(Control(FolderSizeWindow::kStartButton));
    PressKey(VK_RETURN);  // Enter on the start button surveys
    std::vector<bool> enabled;
    for (int id : {FolderSizeWindow::kFolderButton, FolderSizeWindow::kHistoryBox, FolderSizeWindow::kStartButton,
                   FolderSizeWindow::kStopButton})
        enabled.push_back(IsWindowEnabled(Control(id)));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, true}));
    for (int waited = 0; !inC && waited < 10'000; ++waited) Sleep(1);
    Click(FolderSizeWindow::kStopButton);  // its rows are the survey tests' and the stalled share's
    EXPECT_TRUE(IsWindowEnabled(Control(FolderSizeWindow::kHistoryBox)) &&
                !IsWindowEnabled(Control(FolderSizeWindow::kStopButton)));
    SetFocus(Control(FolderSizeWindow::kStartButton));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    PressKey(VK_ESCAPE);  // typed ahead: it comes while the survey that Enter starts runs
    EXPECT_FALSE(IsWindowVisible(sizes.Handle()));
    EXPECT_TRUE(IsWindowEnabled(Control(FolderSizeWindow::kStartButton))) << "the survey stopped";
}

}  // namespace
}  // namespace kuvano
