#include "folder_size/folder_dialog_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

constexpr int kStatusLine = 0x3743;  // as the system numbers the picker's controls

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
    GetDlgItemTextW(dialog, kStatusLine, text, MAX_PATH + 1);
    return text;
}

// Under load Wine's picker can miss a selection by path while it still fills
// its tree: the selection is asked again until the expected status shows.
std::wstring SelectAndReadStatus(HWND dialog, BOOL isPath, const void* item, const std::wstring& expected) {
    std::wstring status;
    for (const ULONGLONG end = GetTickCount64() + 5000; GetTickCount64() < end; Sleep(100)) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, static_cast<WPARAM>(isPath), reinterpret_cast<LPARAM>(item));
        status = Status(dialog);
        if (status == expected) break;
    }
    return status;
}

// The real picker on this thread, which has no COM of its own as the
// program's has none, while a helper thread waits for it, lets `inspect`
// look at it and presses a button.
class FolderDialogWin32 : public ::testing::Test {
protected:
    bool ExecuteAndPress(int button, const std::function<void(HWND)>& inspect) {
        std::thread helper([&] {
            HWND shown = nullptr;
            for (const ULONGLONG end = GetTickCount64() + 10000; !shown && GetTickCount64() < end; Sleep(20)) {
                shown = ShownDialogOfThisProcess();
            }
            if (!shown) return;
            inspect(shown);
            PostMessageW(shown, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        });
        const bool chosen = dialog.Execute();
        helper.join();
        return chosen;
    }

    testing::ScratchFolder folder{L"picker"};
    TFolderDialog dialog{nullptr};
};

TEST_F(FolderDialogWin32, OpensOnAnExistingDirectoryAndReturnsTheChoice) {
    const std::u16string existing = FromWide(folder.Path());
    const std::u16string deleted = FromWide(folder.File(L"gone"));
    ASSERT_TRUE(CreateDirectoryW(Wide(deleted), nullptr) && RemoveDirectoryW(Wide(deleted)));
    struct Case {
        std::u16string directory;
        int button;
        bool chosen;
    };
    for (const auto& [directory, button, chosen] :
         {Case{existing, IDCANCEL, false}, Case{deleted, IDCANCEL, false}, Case{existing, IDOK, true}}) {
        dialog.Directory = directory;
        std::wstring status = L"not shown";
        EXPECT_EQ(ExecuteAndPress(button, [&](HWND shown) { status = Status(shown); }), chosen);
        EXPECT_EQ(status, L"");
        EXPECT_EQ(dialog.Directory, directory);
    }
    dialog.Directory = deleted;
    ExecuteAndPress(IDOK, [](HWND) {});
    EXPECT_NE(dialog.Directory, deleted);
}

TEST_F(FolderDialogWin32, TheStatusLineShowsTheHighlightedFoldersPath) {
    const std::wstring sub = folder.File(L"sub");
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    std::vector<std::wstring> statuses;
    EXPECT_TRUE(ExecuteAndPress(IDOK, [&](HWND shown) {
        statuses = {Status(shown), SelectAndReadStatus(shown, TRUE, folder.Path().c_str(), folder.Path()),
                    SelectAndReadStatus(shown, FALSE, computer, L""),  // no file-system path
                    SelectAndReadStatus(shown, TRUE, sub.c_str(), sub)};
    }));
    CoTaskMemFree(computer);
    EXPECT_EQ(statuses, (std::vector<std::wstring>{L"", folder.Path(), L"", sub}));
    EXPECT_EQ(dialog.Directory, FromWide(sub));
    RemoveDirectoryW(sub.c_str());
}

// A choice can come back without a file-system path (one the shell cannot
// give in full): it is no choice, or the caller would take the last folder.
TEST_F(FolderDialogWin32, AChoiceWhosePathCannotBeReadIsNoChoice) {
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    const std::u16string last = FromWide(folder.Path());
    dialog.Directory = last;
    EXPECT_FALSE(ExecuteAndPress(IDOK, [&](HWND shown) { SelectAndReadStatus(shown, FALSE, computer, L""); }));
    CoTaskMemFree(computer);
    EXPECT_EQ(dialog.Directory, last);
}

}  // namespace
}  // namespace kuvano
