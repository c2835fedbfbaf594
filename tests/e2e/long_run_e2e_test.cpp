// The real Kuvano.exe left running for minutes with the sidebar, the settings
// panel and the folder size panel open and surveys running one after
// another: its windows keep answering, and quitting in the middle of a
// survey still saves the settings.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "e2e/driver_win32.h"
#include "folder_size/folder_size_window_win32.h"
#include "sidebar/sidebar_menu.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using e2e::Driver;
using testing::ScratchFolder;
using Clock = std::chrono::steady_clock;

constexpr auto kRunTime = std::chrono::minutes(3);
constexpr wchar_t kBigFolder[] = L"Z:\\usr";  // Wine's own files: a survey of many seconds

bool Answers(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored) != 0;
}

bool Surveying(HWND panel) {
    return IsWindowEnabled(GetDlgItem(panel, TForm5::kBitBtn3)) != FALSE;
}

// Picks the big folder from the history, as a user picks an earlier folder.
void SurveyBigFolder(HWND panel) {
    const HWND combo = GetDlgItem(panel, TForm5::kCombo1);
    SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(kBigFolder));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    PostMessageW(panel, WM_COMMAND, MAKEWPARAM(TForm5::kCombo1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

TEST(LongRunEndToEnd, RunsForMinutesWithEveryWindowOpenAndStillSavesOnQuit) {
    ScratchFolder folder(L"e2e-long-run");
    const std::wstring program = folder.File(L"Kuvano.exe");
    ASSERT_TRUE(CopyFileW(Driver::ProgramUnderTest().c_str(), program.c_str(), FALSE));
    Driver::Start(program);
    const auto form1 = Driver::FindWindowOf(program, L"TForm1");
    const auto form2 = Driver::FindWindowOf(program, L"TForm2");
    const auto form4 = Driver::FindWindowOf(program, L"TForm4");
    const auto form5 = Driver::FindWindowOf(program, L"TForm5");
    ASSERT_TRUE(form1 && form2 && form4 && form5);
    PostMessageW(*form4, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmSetei), 0);
    PostMessageW(*form4, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmFolSiz), 0);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ASSERT_TRUE(Driver::HasVisibleStyle(*form2) && Driver::HasVisibleStyle(*form5));

    int surveys = 0;
    for (const auto end = Clock::now() + kRunTime; Clock::now() < end;) {
        if (!Surveying(*form5)) {
            SurveyBigFolder(*form5);
            ++surveys;
        }
        std::this_thread::sleep_for(std::chrono::seconds(5));
        for (const HWND window : {*form1, *form2, *form4, *form5}) {
            ASSERT_TRUE(Answers(window)) << "a window stopped answering after " << surveys << " surveys";
        }
    }
    EXPECT_GE(surveys, 1);
    EXPECT_EQ(Driver::FailuresOf(*form1), 0);

    // Quit from the menu in the middle of a survey, after a change to save:
    // the program takes the quit from within the survey's message pump.
    PostMessageW(*form4, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::popUe), 0);
    SurveyBigFolder(*form5);  // or, when one runs already, ignored
    PostMessageW(*form4, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmBarSyuryo), 0);
    ASSERT_TRUE(Driver::WaitForExit(*form1)) << "Kuvano did not end";
    const std::string saved = testing::ReadFileBytes(folder.File(L"Kuvano.ini"));
    EXPECT_NE(saved.find("iti=" + std::to_string(EdgeOf(SidebarCommand::popUe)) + "\r\n"), std::string::npos) << saved;
}

}  // namespace
}  // namespace kuvano
