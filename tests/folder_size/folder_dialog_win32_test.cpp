#include "folder_size/folder_dialog_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

std::wstring Status(HWND dialog) {
    wchar_t text[MAX_PATH + 1]{};
    GetDlgItemTextW(dialog, 0x3743, text, MAX_PATH + 1);  // the status line, as the system numbers it
    return text;
}

// The real picker on this thread, which has no COM of its own as the
// program's has none; a helper thread finds it, lets `inspect` look and presses a button.
bool ExecuteAndPress(TFolderDialog& dialog, int button, const std::function<void(HWND)>& inspect) {
    std::thread helper([&] {
        for (const ULONGLONG end = GetTickCount64() + 10000; GetTickCount64() < end; Sleep(20)) {
            for (HWND shown = nullptr; (shown = FindWindowExW(nullptr, shown, L"#32770", nullptr)) != nullptr;) {
                DWORD process = 0;
                GetWindowThreadProcessId(shown, &process);
                if (process != GetCurrentProcessId() || !IsWindowVisible(shown)) continue;
                inspect(shown);
                PostMessageW(shown, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                return;
            }
        }
    });
    const bool chosen = dialog.Execute();
    helper.join();
    return chosen;
}

// Under load Wine's picker can miss a selection while it fills its tree: asked again until the status shows it.
std::wstring Select(HWND dialog, BOOL isPath, const void* item, const std::wstring& expected) {
    std::wstring status = L"not asked";
    for (const ULONGLONG end = GetTickCount64() + 5000; status != expected && GetTickCount64() < end; Sleep(100)) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, static_cast<WPARAM>(isPath), reinterpret_cast<LPARAM>(item));
        status = Status(dialog);
    }
    return status;
}

// The status line shows the highlighted folder's path; a choice without one
// (a folder the shell cannot give in full) is no choice, or the caller would take the last folder.
TEST(FolderDialogWin32, ReturnsTheHighlightedFolderShownOnTheStatusLine) {
    const testing::ScratchFolder folder(L"picker");
    const std::wstring sub = folder.File(L"sub");
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    TFolderDialog chooser(nullptr);
    std::vector<std::wstring> statuses;
    EXPECT_TRUE(ExecuteAndPress(chooser, IDOK, [&](HWND shown) {
        statuses = {Status(shown), Select(shown, TRUE, folder.Path().c_str(), folder.Path()),
                    Select(shown, FALSE, computer, L""), Select(shown, TRUE, sub.c_str(), sub)};
    }));
    EXPECT_EQ(statuses, (std::vector<std::wstring>{L"", folder.Path(), L"", sub}));
    EXPECT_EQ(chooser.Directory, FromWide(sub));
    TFolderDialog refused(nullptr);
    refused.Directory = FromWide(folder.Path());
    EXPECT_FALSE(ExecuteAndPress(refused, IDCANCEL, [](HWND) {}));
    EXPECT_FALSE(ExecuteAndPress(refused, IDOK, [&](HWND shown) { Select(shown, FALSE, computer, L""); }));
    EXPECT_EQ(refused.Directory, FromWide(folder.Path()));
    CoTaskMemFree(computer);
}

}  // namespace
}  // namespace kuvano
