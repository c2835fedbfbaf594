// The real Kuvano.exe's folder size panel, opened from the sidebar menu:
// a survey of a prepared folder, a sort, and a long survey stopped midway.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "e2e/driver_win32.h"
#include "folder_size/folder_size_window_win32.h"
#include "sidebar/sidebar_menu.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using e2e::Driver;
using testing::ScratchFolder;
using testing::WriteFileBytes;
using Clock = std::chrono::steady_clock;

using Row = std::vector<std::wstring>;  // the three columns' texts

bool WaitFor(const auto& condition) {
    for (const auto end = Clock::now() + Driver::kPatience; Clock::now() < end;) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condition();
}

class FolderSizeEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        // Beside the program, which the panel surveys first: A holds three
        // files of 1 MiB and a folder with 512 KiB, B is empty.
        program = folder.File(L"Kuvano.exe");
        ASSERT_TRUE(CopyFileW(Driver::ProgramUnderTest().c_str(), program.c_str(), FALSE));
        for (const wchar_t* sub : {L"\\A", L"\\A\\Sub", L"\\B"}) {
            ASSERT_TRUE(CreateDirectoryW((folder.Path() + sub).c_str(), nullptr));
        }
        for (const wchar_t* name : {L"\\A\\1.bin", L"\\A\\2.bin", L"\\A\\3.bin"}) {
            WriteFileBytes(folder.Path() + name, std::string(1 << 20, 'x'));
        }
        WriteFileBytes(folder.Path() + L"\\A\\Sub\\half.bin", std::string(1 << 19, 'x'));

        Driver::Start(program);
        const auto form1 = Driver::FindWindowOf(program, L"TForm1");
        const auto form4 = Driver::FindWindowOf(program, L"TForm4");
        const auto form5 = Driver::FindWindowOf(program, L"TForm5");
        ASSERT_TRUE(form1 && form4 && form5);
        mainWindow = *form1;
        panel = *form5;

        PostMessageW(*form4, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmFolSiz), 0);
        ASSERT_TRUE(WaitFor([this] { return Driver::HasVisibleStyle(panel); })) << "the menu item opens the panel";
        list = GetDlgItem(panel, TForm5::kListView1);
        start = GetDlgItem(panel, TForm5::kBitBtn2);
        stop = GetDlgItem(panel, TForm5::kBitBtn3);
    }
    void TearDown() override {
        if (IsWindow(mainWindow)) {
            PostMessageW(mainWindow, WM_CLOSE, 0, 0);
            Driver::WaitForExit(mainWindow);
        }
    }

    void Press(HWND button) const {
        PostMessageW(panel, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
    bool Idle() const { return IsWindowEnabled(start) && !IsWindowEnabled(stop); }
    std::vector<Row> Rows() const {
        std::vector<Row> rows;
        const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            rows.push_back(
                {Driver::ListViewText(list, i, 0), Driver::ListViewText(list, i, 1), Driver::ListViewText(list, i, 2)});
        }
        return rows;
    }
    // A click on a column's title, in the middle of it.
    void ClickColumn(int left, int width) const {
        const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
        const LPARAM point = MAKELPARAM(left + width / 2, 8);
        PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageW(header, WM_LBUTTONUP, 0, point);
    }

    ScratchFolder folder{L"e2e-folder-size"};
    std::wstring program;
    HWND mainWindow = nullptr;
    HWND panel = nullptr;
    HWND list = nullptr;
    HWND start = nullptr;
    HWND stop = nullptr;
};

TEST_F(FolderSizeEndToEnd, SurveysTheProgramsFolderAndSortsByAColumn) {
    ASSERT_TRUE(Idle());
    Press(start);
    ASSERT_TRUE(WaitFor([this] { return Idle() && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2; }));
    const Row a{L"000,003", folder.Path() + L"\\A", L"000,005"};
    const Row b{L"000,000", folder.Path() + L"\\B", L"000,000"};
    EXPECT_EQ(Rows(), (std::vector<Row>{a, b})) << "largest first; the program file itself is not counted";

    ClickColumn(66 + 470, 56);  // "数": ascending first
    ASSERT_TRUE(WaitFor([&] { return Rows() == std::vector<Row>{b, a}; }));
}

TEST_F(FolderSizeEndToEnd, StopEndsALongSurveyWithTheRowsSoFar) {
    // Wine's own files make a tree of tens of thousands of entries.
    const std::wstring big = L"Z:\\usr";
    int plainSubfolders = 0;
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((big + L"\\*").c_str(), &entry);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        const std::wstring name = entry.cFileName;
        plainSubfolders += (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..";
    } while (FindNextFileW(find, &entry));
    FindClose(find);

    // Choose it from the history, as a user would pick an earlier folder.
    const HWND combo = GetDlgItem(panel, TForm5::kCombo1);
    SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(big.c_str()));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    PostMessageW(panel, WM_COMMAND, MAKEWPARAM(TForm5::kCombo1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    ASSERT_TRUE(WaitFor([this] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= 1; }));
    EXPECT_TRUE(IsWindowEnabled(stop));
    EXPECT_FALSE(IsWindowEnabled(start));

    Press(stop);
    ASSERT_TRUE(WaitFor([this] { return Idle(); })) << "the start button comes back";
    const std::vector<Row> rows = Rows();
    EXPECT_GE(rows.size(), 1u);
    EXPECT_LT(static_cast<int>(rows.size()), plainSubfolders) << "stopped before the last subfolder";
    for (const Row& row : rows) EXPECT_EQ(row[1].rfind(big + L"\\", 0), 0u) << row[1];
    EXPECT_TRUE(Driver::HasVisibleStyle(panel));
}

}  // namespace
}  // namespace kuvano
