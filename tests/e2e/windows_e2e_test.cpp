// The windows the real Kuvano.exe creates at start, the help window's text,
// and the end of a Windows session.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "e2e/driver_win32.h"
#include "sidebar/sidebar_menu.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using e2e::Driver;
using testing::ScratchFolder;

class RunningKuvano : public ::testing::Test {
protected:
    void SetUp() override {
        program = folder.File(L"Kuvano.exe");
        ASSERT_TRUE(CopyFileW(Driver::ProgramUnderTest().c_str(), program.c_str(), FALSE));
        Driver::Start(program);
        const auto found = Driver::FindWindowOf(program, L"TForm1");
        ASSERT_TRUE(found.has_value());
        mainWindow = *found;
        ASSERT_TRUE(Driver::FindWindowOf(program, L"TFormInfo").has_value());  // the last one created
    }
    void TearDown() override {
        if (IsWindow(mainWindow)) {
            EXPECT_EQ(Driver::FailuresOf(mainWindow), 0);
            PostMessageW(mainWindow, WM_CLOSE, 0, 0);
            Driver::WaitForExit(mainWindow);
        }
    }

    ScratchFolder folder{L"e2e-windows"};
    std::wstring program;
    HWND mainWindow = nullptr;
};

std::wstring TextOf(HWND window) {
    std::vector<wchar_t> text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1);
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST_F(RunningKuvano, CreatesItsSixWindowsWithoutTaskbarButtonsShowingOnlyTheSidebar) {
    for (const wchar_t* className : {L"TForm1", L"TForm3", L"TForm4", L"TForm5", L"TForm2", L"TFormInfo"}) {
        const std::vector<HWND> windows = Driver::WindowsOf(program, className);
        ASSERT_EQ(windows.size(), 1u) << className;
        const HWND window = windows.front();
        // barhyoj is 1 without a settings file: the sidebar shows at start.
        EXPECT_EQ(Driver::HasVisibleStyle(window), std::wstring(className) == L"TForm4") << className;
        const bool toolWindow = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW;
        const bool ownedByMain = GetWindow(window, GW_OWNER) == mainWindow;
        EXPECT_TRUE(toolWindow || ownedByMain) << className << " could get a taskbar button";
    }
}

TEST_F(RunningKuvano, TheHelpWindowHoldsTheHelpTextReadOnlyAndUnwrapped) {
    const HWND help = Driver::WindowsOf(program, L"TForm3").front();
    EXPECT_EQ(TextOf(help), L"Kuvano バージョン＆ヘルプ");
    RECT client{};
    GetClientRect(help, &client);
    EXPECT_EQ(client.right, 557);
    EXPECT_EQ(client.bottom, 558);
    RECT frame{};
    GetWindowRect(help, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    const HWND memo = FindWindowExW(help, nullptr, L"Edit", nullptr);
    ASSERT_NE(memo, nullptr);
    const HWND sidebar = Driver::WindowsOf(program, L"TForm4").front();
    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pop4vajhel), 0);
    for (int wait = 0; wait < 50 && !Driver::HasVisibleStyle(help); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_TRUE(Driver::HasVisibleStyle(help));
    const LONG style = GetWindowLongW(memo, GWL_STYLE);
    for (LONG required :
         {LONG{ES_MULTILINE}, LONG{ES_READONLY}, LONG{WS_HSCROLL}, LONG{WS_VSCROLL}, LONG{ES_AUTOHSCROLL}}) {
        EXPECT_EQ(style & required, required) << std::hex << required;
    }
    const std::vector<std::wstring> lines = Lines(TextOf(memo));
    ASSERT_EQ(lines.size(), 106u);
    EXPECT_EQ(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), 106);  // one display line per text line
    EXPECT_EQ(lines[0], L"Kuvano V4.3");
    EXPECT_EQ(lines[2], L"【ソフトの概要】");
    EXPECT_EQ(lines[45], L"【変更履歴】");
    EXPECT_EQ(lines[104], L"2024/09/21 V4.3 ドライブの容量のヒント表示を「空き」から「空き/全」に変更。");
    EXPECT_EQ(lines[105], L" ");

    PostMessageW(memo, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Driver::Eventually([&] { return !Driver::HasVisibleStyle(help); })) << "Esc closes the help window";
}

TEST_F(RunningKuvano, TheEndOfAWindowsSessionSavesTheSettings) {
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(mainWindow, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    EXPECT_TRUE(testing::FileExists(folder.File(L"Kuvano.ini")));
    PostMessageW(mainWindow, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(Driver::WaitForExit(mainWindow));
}

}  // namespace
}  // namespace kuvano
