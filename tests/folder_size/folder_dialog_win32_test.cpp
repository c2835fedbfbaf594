#include "folder_size/folder_dialog_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

HWND ShownDialogOfThisProcess() {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32770", nullptr)) != nullptr;) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

std::wstring Status(HWND dialog) {
    wchar_t text[MAX_PATH + 1]{};
    GetDlgItemTextW(dialog, 0x3743, text, MAX_PATH + 1);  // the status line, as the system numbers it
    return text;
}

struct Selection {
    BOOL isPath;  // else a shell item
    const void* item;
    std::wstring status;  // what the status line shows once it is selected
};

// Under load Wine's picker can miss a selection while it fills its tree: it is
// asked again until the status line shows it, or the deadline passes.
std::wstring Select(HWND dialog, const Selection& selection) {
    std::wstring status = L"not selected";
    for (const ULONGLONG end = GetTickCount64() + 10000; status != selection.status && GetTickCount64() < end;
         Sleep(100)) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, static_cast<WPARAM>(selection.isPath),
                     reinterpret_cast<LPARAM>(selection.item));
        status = Status(dialog);
    }
    return status;
}

class FolderDialogWin32 : public ::testing::Test {
protected:
    // The real picker on this thread, which has no COM of its own as the program's has none, while a
    // helper thread makes each selection in turn, keeping the statuses reached in `seen`, and presses
    // `button`. Returns what Execute returns.
    bool SelectAndPress(const std::vector<Selection>& selections, int button) {
        seen.clear();
        std::thread helper([&] {
            HWND shown = nullptr;
            for (const ULONGLONG end = GetTickCount64() + 10000; !shown && GetTickCount64() < end; Sleep(20))
                shown = ShownDialogOfThisProcess();
            if (!shown) return;
            for (const Selection& selection : selections) seen.push_back(Select(shown, selection));
            PostMessageW(shown, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        });
        const bool chosen = dialog.Execute();
        helper.join();
        return chosen;
    }

    testing::ScratchFolder folder{L"picker"};
    const std::wstring parent = folder.Path().substr(0, folder.Path().rfind(L'\\'));
    TFolderDialog dialog{nullptr};
    std::vector<std::wstring> seen;
};

TEST_F(FolderDialogWin32, OkReturnsTheHighlightedFolderAndCancelKeepsTheLastOne) {
    dialog.Directory = FromWide(folder.Path());
    EXPECT_FALSE(SelectAndPress({{TRUE, parent.c_str(), parent}}, IDCANCEL));
    EXPECT_EQ(dialog.Directory, FromWide(folder.Path()));
    EXPECT_TRUE(SelectAndPress({{TRUE, parent.c_str(), parent}}, IDOK));
    EXPECT_EQ(seen, std::vector<std::wstring>{parent}) << "the status line shows the highlighted folder";
    EXPECT_EQ(dialog.Directory, FromWide(parent));
}

// A choice can come back without a file-system path (one the shell cannot
// give in full): it is no choice, or the caller would take the last folder.
TEST_F(FolderDialogWin32, AChoiceWhosePathCannotBeReadIsNoChoice) {
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    dialog.Directory = FromWide(folder.Path());
    // Another folder first, so that an empty status line shows the second selection took.
    EXPECT_FALSE(SelectAndPress({{TRUE, parent.c_str(), parent}, {FALSE, computer, L""}}, IDOK));
    CoTaskMemFree(computer);
    EXPECT_EQ(seen, (std::vector<std::wstring>{parent, L""}));
    EXPECT_EQ(dialog.Directory, FromWide(folder.Path()));
}

}  // namespace
}  // namespace kuvano
