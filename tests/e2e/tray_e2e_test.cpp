// The real Kuvano.exe in a Wine desktop with a taskbar: its tray icon, the
// about box, the fallback of the tray drive and a save that cannot write.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <thread>
#include <vector>

#include "core/free_level.h"
#include "e2e/driver_win32.h"
#include "platform/drive_platform_win32.h"
#include "support/scratch_folder_win32.h"
#include "tray/tray_pictures.h"

namespace kuvano {
namespace {

using e2e::Driver;
using testing::ScratchFolder;

std::wstring StartCopy(const ScratchFolder& folder) {
    const std::wstring program = folder.File(L"Kuvano.exe");
    EXPECT_TRUE(CopyFileW(Driver::ProgramUnderTest().c_str(), program.c_str(), FALSE));
    Driver::Start(program);
    return program;
}

PixelImage StarOfDriveC() {
    const DriveSpace space = DrivePlatformWin32().Space(u"C:\\");
    return TrayPictures(TrayIconKind::Star).at(static_cast<size_t>(FreeLevel(space.freeBytes, space.totalBytes)));
}

TEST(TrayEndToEnd, ShowsTheStarOfDriveCOpensTheAboutBoxAndLeavesAtClose) {
    ScratchFolder folder(L"e2e-tray");
    const std::wstring program = StartCopy(folder);
    const auto mainWindow = Driver::FindWindowOf(program, L"TForm1");
    ASSERT_TRUE(mainWindow.has_value());
    ASSERT_TRUE(Driver::FindWindowOf(program, L"TFormInfo").has_value());  // the last one created

    const PixelImage star = StarOfDriveC();
    EXPECT_TRUE(Driver::Eventually([&] { return Driver::TrayShows(star).Whole(); }))
        << "the tray shows the star of drive C's level";

    std::vector<HWND> others;
    for (const wchar_t* className : {L"TForm2", L"TForm3", L"TForm4", L"TForm5"}) {
        others.push_back(Driver::WindowsOf(program, className).at(0));
    }
    const auto allEnabled = [&](bool enabled) {
        return std::ranges::all_of(others, [&](HWND window) { return (IsWindowEnabled(window) != FALSE) == enabled; });
    };
    // Esc and the close box close the box alike, and both give the other windows back.
    for (const UINT closing : {UINT{WM_KEYDOWN}, UINT{WM_CLOSE}}) {
        Driver::NotifyTray(*mainWindow, WM_LBUTTONUP);
        auto boxes = Driver::WindowsOf(program, L"TFormInfo");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(Driver::Eventually([&] { return Driver::HasVisibleStyle(boxes[0]); }))
            << "a left-button release opens the about box";
        EXPECT_TRUE(allEnabled(false)) << "the box is modal: the other windows are disabled";
        Driver::NotifyTray(*mainWindow, WM_LBUTTONUP);  // the second release of a double click
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        boxes = Driver::WindowsOf(program, L"TFormInfo");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(Driver::HasVisibleStyle(boxes[0]));
        PostMessageW(boxes[0], closing, closing == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
        EXPECT_TRUE(Driver::Eventually([&] { return !Driver::HasVisibleStyle(boxes[0]); }));
        EXPECT_TRUE(Driver::Eventually([&] { return allEnabled(true); })) << "closed, the box enables them again";
    }
    EXPECT_EQ(Driver::FailuresOf(*mainWindow), 0);

    PostMessageW(*mainWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Driver::WaitForExit(*mainWindow));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_LT(Driver::TrayShows(star).matching, Driver::TrayShows(star).opaque / 2)
        << "the icon is gone after the close";
    EXPECT_TRUE(testing::FileExists(folder.File(L"Kuvano.ini")));
}

// As if Explorer had restarted: the notification area forgets the icon, then
// the shell announces the new taskbar.
void ForgetTrayIcon(HWND mainWindow) {
    std::thread shell([mainWindow] {
        const HDESK desktop = OpenDesktopW(L"shell", 0, FALSE, GENERIC_ALL);
        SetThreadDesktop(desktop);
        NOTIFYICONDATAW icon{};
        icon.cbSize = sizeof(icon);
        icon.hWnd = FindWindowExW(mainWindow, nullptr, L"TMyCallback", nullptr);
        icon.uID = 1;
        Shell_NotifyIconW(NIM_DELETE, &icon);
        CloseDesktop(desktop);
    });
    shell.join();
}

TEST(TrayEndToEnd, TheIconComesBackWhenTheTaskbarIsCreatedAnew) {
    ScratchFolder folder(L"e2e-taskbar");
    const std::wstring program = StartCopy(folder);
    const auto mainWindow = Driver::FindWindowOf(program, L"TForm1");
    ASSERT_TRUE(mainWindow.has_value());
    const PixelImage star = StarOfDriveC();
    ASSERT_TRUE(Driver::Eventually([&] { return Driver::TrayShows(star).Whole(); }));

    // The desktop's own taskbar may still announce itself after the program
    // started, and the program then adds its icon again: forget it until it
    // stays gone (ticks cannot modify what is gone).
    EXPECT_TRUE(Driver::Eventually([&] {
        ForgetTrayIcon(*mainWindow);
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        return Driver::TrayShows(star).matching < Driver::TrayShows(star).opaque / 2;
    }, std::chrono::seconds(10))) << "the icon should be gone";

    SendMessageW(*mainWindow, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Driver::Eventually([&] { return Driver::TrayShows(star).Whole(); })) << "the icon is back";

    PostMessageW(*mainWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Driver::WaitForExit(*mainWindow));
}

TEST(TrayEndToEnd, ACdDriveAsTrayDriveIsReplacedByTheProgramsDrive) {
    ScratchFolder folder(L"e2e-cdrom");
    testing::WriteFileBytes(folder.File(L"Kuvano.ini"), "[setei]\r\ndrivenam=Q\r\n");  // Q: is a CD drive
    ASSERT_EQ(GetDriveTypeW(L"Q:\\"), static_cast<UINT>(DRIVE_CDROM));
    const std::wstring program = StartCopy(folder);
    const auto mainWindow = Driver::FindWindowOf(program, L"TForm1");
    ASSERT_TRUE(mainWindow.has_value());
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    PostMessageW(*mainWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Driver::WaitForExit(*mainWindow));
    const std::string saved = testing::ReadFileBytes(folder.File(L"Kuvano.ini"));
    EXPECT_NE(saved.find("drivenam=C\r\n"), std::string::npos) << saved;  // the scratch folder is on C:
}

std::wstring ControlTexts(HWND dialog) {
    std::wstring texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[512]{};
        GetWindowTextW(child, text, 512);
        texts += text;
        texts += L"\n";
    }
    return texts;
}

TEST(TrayEndToEnd, AFolderThatRefusesTheSaveShowsTheErrorAndKeepsKuvanoRunning) {
    const char* scratch = std::getenv("KUVANO_SCRATCH");
    ASSERT_NE(scratch, nullptr) << "run through with-scratch-mounts.sh";
    const std::string folder = std::string(scratch) + "\\readonly";
    const std::wstring wideFolder(folder.begin(), folder.end());
    const std::wstring program = wideFolder + L"\\Kuvano.exe";
    ASSERT_TRUE(testing::FileExists(program));
    Driver::Start(program);
    const auto mainWindow = Driver::FindWindowOf(program, L"TForm1");
    ASSERT_TRUE(mainWindow.has_value());

    PostMessageW(*mainWindow, WM_CLOSE, 0, 0);
    const auto errorBox = Driver::FindWindowOf(program, L"#32770");
    ASSERT_TRUE(errorBox.has_value()) << "no error box";
    // The box may be found before its text is in place.
    const std::wstring message = wideFolder + L"\\Kuvano.ini に書き込めません";
    bool named = false;
    for (int look = 0; look < 50 && !named; ++look) {
        named = ControlTexts(*errorBox).find(message) != std::wstring::npos;
        if (!named) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(named) << "the message names the file";
    EXPECT_TRUE(IsWindow(*mainWindow)) << "Kuvano keeps running";
    EXPECT_EQ(testing::ReadFileBytes(wideFolder + L"\\Kuvano.ini"), "[setei]\r\ntani=1\r\n");

    PostMessageW(*errorBox, WM_COMMAND, IDOK, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(IsWindow(*mainWindow));
    // The end of the session ends it cleanly, giving the sidebar's strip back.
    PostMessageW(*mainWindow, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(Driver::WaitForExit(*mainWindow));
}

}  // namespace
}  // namespace kuvano
