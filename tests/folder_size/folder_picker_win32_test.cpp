#include "folder_size/folder_picker_win32.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/scoped_win32.h"
#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

// As the user does, from another thread: waits for the picker, highlights a
// folder if given one, presses a button, and says whether the picker was the owner's.
bool Answer(HWND owner, const std::wstring& picked, int button) {
    HWND dialog = nullptr;
    for (int waited = 0; !dialog || !IsWindowVisible(dialog); waited += 10) {
        if (waited > 20'000) return false;
        Sleep(10);
        dialog = FindWindowW(L"#32770", nullptr);
    }
    const bool overOwner = GetWindow(dialog, GW_OWNER) == owner;  // before the press ends the dialog
    if (!picked.empty()) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(picked.c_str()));
    return PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0) && overOwner;
}

// The picker opens on "first" each time.
TEST(FolderPicker, TakesTheFolderOnlyWhenTheUserChoseOne) {
    testing::ScratchFolder scratch{L"picker"};
    for (const wchar_t* name : {L"first", L"second"})
        ASSERT_TRUE(CreateDirectoryW(scratch.File(name).c_str(), nullptr));
    const UniqueWindow owner(CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr));
    const struct {
        const wchar_t* picked;  // empty: the folder it opened on stays highlighted
        int button;
        bool chosen;            // what Execute says
        const wchar_t* folder;  // what the picker holds afterwards
    } cases[] = {
        {L"second", IDOK, true, L"second"}, {L"", IDOK, true, L"first"}, {L"second", IDCANCEL, false, L"first"}};
    for (const auto& answer : cases) {
        FolderPicker picker;
        picker.folder = FromWide(scratch.File(L"first"));
        bool answered = false;
        std::thread user(
            [&] { answered = Answer(owner.get(), *answer.picked ? scratch.File(answer.picked) : L"", answer.button); });
        const bool chosen = picker.Execute(owner.get());
        user.join();
        ASSERT_TRUE(answered) << "no picker opened, or not over its owner";
        EXPECT_EQ(chosen, answer.chosen) << answer.button << " after " << answer.picked;
        EXPECT_EQ(Wide(picker.folder), scratch.File(answer.folder)) << answer.button << " after " << answer.picked;
    }
}

}  // namespace
}  // namespace kuvano
