#include "folder_size/folder_picker_win32.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

// The picker opens on "first"; the user may pick another folder, then presses a button.
struct PickerAnswer {
    const char* name;
    const wchar_t* picked;  // a folder of the scratch folder, or none
    int button;
    bool chosen;  // what Execute says
    const wchar_t* folder;  // what the picker holds afterwards
};

class FolderPickerTest : public ::testing::TestWithParam<PickerAnswer> {};

// As the user does, from another thread: waits for the picker, answers it and
// says whether the owner given was its owner.
bool Answer(HWND owner, const std::wstring& picked, int button) {
    HWND dialog = nullptr;
    for (int waited = 0; !dialog || !IsWindowVisible(dialog); waited += 10) {
        if (waited > 20'000) return false;
        Sleep(10);
        dialog = FindWindowW(L"#32770", nullptr);
    }
    if (!picked.empty()) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(picked.c_str()));
    return PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0) && GetWindow(dialog, GW_OWNER) == owner;
}

TEST_P(FolderPickerTest, TakesTheFolderOnlyWhenTheUserChoseOne) {
    const PickerAnswer& answer = GetParam();
    testing::ScratchFolder scratch{L"picker"};
    for (const wchar_t* name : {L"first", L"second"}) ASSERT_TRUE(CreateDirectoryW(scratch.File(name).c_str(), nullptr));
    const HWND owner = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    FolderPicker picker;
    picker.folder = FromWide(scratch.File(L"first"));
    bool answered = false;
    std::thread user([&] { answered = Answer(owner, answer.picked ? scratch.File(answer.picked) : L"", answer.button); });
    const bool chosen = picker.Execute(owner);
    user.join();
    DestroyWindow(owner);
    ASSERT_TRUE(answered) << "no picker opened, or not over its owner";
    EXPECT_EQ(chosen, answer.chosen);
    EXPECT_EQ(Wide(picker.folder), scratch.File(answer.folder));
}

INSTANTIATE_TEST_SUITE_P(, FolderPickerTest,
                         ::testing::Values(PickerAnswer{"OkTakesThePick", L"second", IDOK, true, L"second"},
                                           PickerAnswer{"OkTakesTheFolderItOpenedOn", nullptr, IDOK, true, L"first"},
                                           PickerAnswer{"CancelKeepsTheFolder", L"second", IDCANCEL, false, L"first"}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kuvano
