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

int Width(const RECT& frame) { return frame.right - frame.left; }
int Height(const RECT& frame) { return frame.bottom - frame.top; }

auto WidthIs(int width) {
    return [width](const RECT& frame) { return Width(frame) == width; };
}
auto RowAtTop(int height) {
    return [height](const RECT& frame) { return frame.top == 0 && Height(frame) == height; };
}

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

// The drives a sidebar shows: removable and fixed ones, in letter order.
int WatchedDrives() {
    int count = 0;
    for (wchar_t letter = L'C'; letter <= L'Z'; ++letter) {
        const wchar_t root[] = {letter, L':', L'\\', 0};
        const UINT type = GetDriveTypeW(root);
        count += type == DRIVE_REMOVABLE || type == DRIVE_FIXED;
    }
    return count;
}

TEST_F(SidebarEndToEnd, AppearsAtTheLeftEdgeWithAGaugePerDrive) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // the first refresh
    const RECT strip = Driver::WaitForRect(sidebar, WidthIs(8));
    EXPECT_EQ(strip.left, 0);
    EXPECT_EQ(strip.right, 8);
    EXPECT_EQ(strip.bottom - strip.top, GetSystemMetrics(SM_CYSCREEN));

    const int drives = WatchedDrives();
    ASSERT_GE(drives, 2);
    const int height = 38 * drives + 10;
    const auto screen = Driver::Screenshot(0, 0, 8, height);
    const auto at = [&screen](int x, int y) { return screen[static_cast<size_t>(y * 8 + x)]; };
    const Driver::Rgb black{0, 0, 0};
    const Driver::Rgb grey{192, 192, 192};  // the default sidebar colour
    for (int slot = 0; slot < drives; ++slot) {
        const int top = 38 * slot + 5;
        EXPECT_EQ(at(0, top - 1), grey) << "the strip shows between gauges, slot " << slot;
        EXPECT_EQ(at(0, top), black) << "a gauge's frame, slot " << slot;
        EXPECT_EQ(at(7, top + 31), black) << slot;
        EXPECT_NE(at(3, top + 16), grey) << "inside the gauge, slot " << slot;
    }
    EXPECT_EQ(at(3, 38 * drives + 5), grey) << "no gauge after the last drive";
}

TEST_F(SidebarEndToEnd, TheTrayMenuSwitchesToPiesAndTheTopAndTheNextStartDocksThere) {
    const auto choose = [this](wchar_t accelerator) {
        Driver::NotifyTray(mainWindow, WM_RBUTTONUP);
        const auto menuWindow = Driver::FindWindowOf(program, L"#32768");
        ASSERT_TRUE(menuWindow.has_value());
        PostMessageW(*menuWindow, WM_CHAR, accelerator, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    };
    choose(L'p');
    EXPECT_EQ(Width(Driver::WaitForRect(sidebar, WidthIs(32))), 32);
    choose(L't');
    RECT strip = Driver::WaitForRect(sidebar, RowAtTop(32));
    EXPECT_EQ(strip.top, 0);
    EXPECT_EQ(Height(strip), 32);

    choose(L'x');
    ASSERT_TRUE(Driver::WaitForExit(mainWindow));
    const std::string saved = testing::ReadFileBytes(folder.File(L"Kuvano.ini"));
    EXPECT_NE(saved.find("iti=1\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("enGrf=1\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("aki=12632256\r\n"), std::string::npos) << saved;

    Driver::Start(program);
    const auto again = Driver::FindWindowOf(program, L"TForm4");
    ASSERT_TRUE(again.has_value());
    mainWindow = *Driver::FindWindowOf(program, L"TForm1");
    strip = Driver::WaitForRect(*again, RowAtTop(32));
    EXPECT_EQ(strip.top, 0) << "the next start docks where the last one ended";
    EXPECT_EQ(Height(strip), 32);
}

// Types a colour into the colour dialog's red, green and blue fields.
void ChooseColour(HWND dialog, const wchar_t* red, const wchar_t* green, const wchar_t* blue) {
    constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;
    SendMessageW(GetDlgItem(dialog, kRedField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(red));
    SendMessageW(GetDlgItem(dialog, kGreenField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(green));
    SendMessageW(GetDlgItem(dialog, kBlueField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(blue));
}

TEST_F(SidebarEndToEnd, TheColourDialogSetsTheStripsColourAndACancelKeepsIt) {
    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmAkiiro), 0);
    auto dialog = Driver::FindWindowOf(program, L"#32770");
    ASSERT_TRUE(dialog.has_value()) << "no colour dialog";
    ChooseColour(*dialog, L"255", L"0", L"0");
    PostMessageW(*dialog, WM_COMMAND, IDCANCEL, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(Driver::Screenshot(0, 0, 8, 4)[8], (Driver::Rgb{192, 192, 192})) << "a cancel keeps the colour";

    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmAkiiro), 0);
    dialog = Driver::FindWindowOf(program, L"#32770");
    ASSERT_TRUE(dialog.has_value());
    ChooseColour(*dialog, L"0", L"128", L"0");
    PostMessageW(*dialog, WM_COMMAND, IDOK, 0);
    const Driver::Rgb green{0, 128, 0};
    Driver::Rgb strip = Driver::Screenshot(0, 0, 8, 4)[8];
    for (int look = 0; look < 20 && strip != green; ++look) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        strip = Driver::Screenshot(0, 0, 8, 4)[8];
    }
    EXPECT_EQ(strip, green) << "the strip shows the chosen colour";

    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmBarSyuryo), 0);
    ASSERT_TRUE(Driver::WaitForExit(mainWindow));
    const std::string saved = testing::ReadFileBytes(folder.File(L"Kuvano.ini"));
    EXPECT_NE(saved.find("aki=32768\r\n"), std::string::npos) << saved;  // 0x008000: green 128
}

TEST_F(SidebarEndToEnd, TheMenuMovesAndWidensTheStripAndQuits) {
    // Earlier runs may have left toolbars on the left edge: the shell then
    // docks this one beside them, so only the thickness is fixed.
    EXPECT_EQ(Width(Driver::WaitForRect(sidebar, WidthIs(8))), 8);

    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmPieBar), 0);
    EXPECT_EQ(Width(Driver::WaitForRect(sidebar, WidthIs(32))), 32) << "pies make the strip 32 pixels wide";

    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::popUe), 0);
    const RECT strip = Driver::WaitForRect(sidebar, RowAtTop(32));
    EXPECT_EQ(strip.top, 0);
    EXPECT_EQ(Height(strip), 32);
    EXPECT_GT(Width(strip), GetSystemMetrics(SM_CXSCREEN) / 2) << "a row across the top";

    PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmBarSyuryo), 0);
    ASSERT_TRUE(Driver::WaitForExit(mainWindow)) << "the quit item ends Kuvano";
    const std::string saved = testing::ReadFileBytes(folder.File(L"Kuvano.ini"));
    EXPECT_NE(saved.find("iti=1\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("enGrf=1\r\n"), std::string::npos) << saved;
}

}  // namespace
}  // namespace kuvano
