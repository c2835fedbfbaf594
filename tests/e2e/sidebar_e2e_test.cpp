// The real Kuvano.exe's sidebar and its menu, opened from the tray icon and
// from the sidebar itself. Wine keeps menus private to their process, so the
// menu's items are checked where it is built; here, that it opens.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "e2e/driver_win32.h"
#include "sidebar/sidebar_menu.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using e2e::Driver;
using testing::ScratchFolder;

constexpr UINT kMenuGetHandle = 0x01E1;  // MN_GETHMENU

class SidebarEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        program = folder.File(L"Kuvano.exe");
        ASSERT_TRUE(CopyFileW(Driver::ProgramUnderTest().c_str(), program.c_str(), FALSE));
        Driver::Start(program);
        const auto form1 = Driver::FindWindowOf(program, L"TForm1");
        ASSERT_TRUE(form1.has_value());
        mainWindow = *form1;
        const auto form4 = Driver::FindWindowOf(program, L"TForm4");
        ASSERT_TRUE(form4.has_value());
        sidebar = *form4;
    }
    void TearDown() override {
        if (IsWindow(mainWindow)) {
            PostMessageW(mainWindow, WM_CLOSE, 0, 0);
            Driver::WaitForExit(mainWindow);
        }
    }

    // The menu that is open now, closed again after reading it.
    HMENU OpenMenuAndClose() {
        const auto menuWindow = Driver::FindWindowOf(program, L"#32768");
        if (!menuWindow) return nullptr;
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(*menuWindow, kMenuGetHandle, 0, 0));
        PostMessageW(*menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        return menu;
    }

    ScratchFolder folder{L"e2e-sidebar"};
    std::wstring program;
    HWND mainWindow = nullptr;
    HWND sidebar = nullptr;
};

TEST_F(SidebarEndToEnd, TheTrayIconAndTheSidebarOpenTheOneMenu) {
    Driver::NotifyTray(mainWindow, WM_RBUTTONUP);
    const HMENU fromTray = OpenMenuAndClose();
    ASSERT_NE(fromTray, nullptr) << "a right-button release on the tray icon opens the menu";

    PostMessageW(sidebar, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(sidebar), MAKELPARAM(4, 300));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(OpenMenuAndClose(), fromTray) << "the sidebar opens the same menu";
}

TEST_F(SidebarEndToEnd, TheMenuMovesAndWidensTheStripAndQuits) {
    // Earlier runs may have left toolbars on the left edge: the shell then
    // docks this one beside them, so only the thickness is fixed.
    RECT strip{};
    GetWindowRect(sidebar, &strip);
    EXPECT_EQ(strip.right - strip.left, 8);

    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmPieBar), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    GetWindowRect(sidebar, &strip);
    EXPECT_EQ(strip.right - strip.left, 32) << "pies make the strip 32 pixels wide at once";

    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::popUe), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    GetWindowRect(sidebar, &strip);
    EXPECT_EQ(strip.top, 0);
    EXPECT_EQ(strip.bottom - strip.top, 32);
    EXPECT_GT(strip.right - strip.left, GetSystemMetrics(SM_CXSCREEN) / 2) << "a row across the top";

    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmBarSyuryo), 0);
    ASSERT_TRUE(Driver::WaitForExit(mainWindow)) << "the quit item ends Kuvano";
    const std::string saved = testing::ReadFileBytes(folder.File(L"Kuvano.ini"));
    EXPECT_NE(saved.find("iti=1\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("enGrf=1\r\n"), std::string::npos) << saved;
}

}  // namespace
}  // namespace kuvano
