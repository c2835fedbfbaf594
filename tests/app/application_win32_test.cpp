#include "app/application_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/survey_system_win32.h"
#include "platform/file_store_win32.h"
#include "platform/message_pump_win32.h"
#include "platform/failure_report_win32.h"
#include "platform/text_collation_win32.h"
#include "platform/wide_text_win32.h"
#include "support/fake_drive_platform.h"
#include "support/scratch_folder_win32.h"
#include "tray/tray_icon_win32.h"

namespace kuvano {
namespace {

// Windows' list of the programs that hold the end of the session.
struct RecordingSessionEndBlock final : SessionEndBlock {
    std::vector<std::wstring> reasons;  // what each hold gave, and "" for each release
    void Hold(HWND, const std::wstring& reason) override { reasons.push_back(reason); }
    void Release(HWND) override { reasons.emplace_back(); }
};

// One program for the tests of this suite: each start costs seconds under Wine.
// Its settings file lies in a folder of its own, holding less than a save writes.
class ApplicationTest : public ::testing::Test {
protected:
    struct Program {
        testing::ScratchFolder folder{L"application"};
        const std::wstring settingsFile = folder.File(L"Kuvano.ini");
        // A warning of 5 MB, in kilobytes.
        const bool written =
            (testing::WriteFileBytes(settingsFile, "[setei]\r\ntani=1\r\n[keikoku]\r\ntenm6=5\r\n"), true);
        const bool startupMade = CreateDirectoryW(folder.File(L"Startup").c_str(), nullptr);
        const FileStoreWin32 files;
        testing::FakeDrivePlatform drives;
        const TextCollationWin32 collation;
        RecordingSessionEndBlock sessionEndBlock;
        std::vector<NOTIFYICONDATAW> notifications;  // what the shell was told with NIF_INFO
        Application application{{files, drives, SurveySystemWin32(), collation, sessionEndBlock,
                                  FromWide(folder.File(L"Kuvano.exe")),
                                  [this](DWORD, NOTIFYICONDATAW* record) {
                                      if (record->uFlags & NIF_INFO) notifications.push_back(*record);
                                      return TRUE;
                                  },
                                  FromWide(folder.File(L"Startup"))}};
    };
    static void SetUpTestSuite() { program = std::make_unique<Program>(); }
    static void TearDownTestSuite() { program.reset(); }
    static HWND Window(const wchar_t* className) { return FindWindowW(className, nullptr); }

    static inline std::unique_ptr<Program> program;
    const Application& application = program->application;
};

// At start only the sidebar shows, and no window has a button on the taskbar.
TEST_F(ApplicationTest, EveryWindowButTheSidebarStartsHiddenAndNoneHasATaskbarButton) {
    const std::pair<const wchar_t*, bool> windows[] = {{L"TForm1", false}, {L"TForm2", false}, {L"TForm3", false},
                                                       {L"TForm4", true},  {L"TForm5", false}, {L"TFormInfo", false}};
    for (const auto& [className, shown] : windows) {
        const HWND window = Window(className);
        ASSERT_NE(window, nullptr) << className;
        EXPECT_EQ(IsWindowVisible(window) != FALSE, shown) << className;
        const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        EXPECT_TRUE((GetWindow(window, GW_OWNER) || (exStyle & WS_EX_TOOLWINDOW)) && !(exStyle & WS_EX_APPWINDOW))
            << className << " would have a taskbar button";
    }
}

// The menu that opens while the test waits, as its window tells; closed again at once.
HMENU MenuOpenedBy(const std::function<void()>& open) {
    static HMENU opened = nullptr;
    opened = nullptr;
    const UINT_PTR closer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
        opened = reinterpret_cast<HMENU>(SendMessageW(FindWindowW(L"#32768", nullptr), MN_GETHMENU, 0, 0));
        EndMenu();
    });
    open();
    KillTimer(nullptr, closer);
    return opened;
}

// The program has one menu: a right click on the sidebar opens the tray's.
TEST_F(ApplicationTest, ARightClickOnTheSidebarOpensTheTraysMenu) {
    const HWND trayMessages = FindWindowExW(application.MainWindowHandle(), nullptr, L"TMyCallback", nullptr);
    static HWND benignTo = nullptr;  // where a WM_NULL went: else the tray's next menu closes as soon as it opens
    const HHOOK hook = SetWindowsHookExW(
        WH_GETMESSAGE,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* message = reinterpret_cast<const MSG*>(lParam);
            if (code == HC_ACTION && message->message == WM_NULL) benignTo = message->hwnd;
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    const HMENU tray = MenuOpenedBy([&] { SendMessageW(trayMessages, kTrayCallbackMessage, 1, WM_RBUTTONUP); });
    UnhookWindowsHookEx(hook);
    ASSERT_NE(tray, nullptr) << "the tray opened no menu";
    EXPECT_EQ(benignTo, trayMessages);
    const HMENU sidebar = MenuOpenedBy([&] { SendMessageW(Window(L"TForm4"), WM_CONTEXTMENU, 0, MAKELPARAM(4, 40)); });
    EXPECT_EQ(sidebar, tray);
}

// Waits for the clock's beats, which come as messages.
bool BeatsUntil(const std::function<bool()>& holds, int milliseconds = 5000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (holds()) return true;
        PumpPendingMessages(), Sleep(10);
    }
    return holds();
}

// C: falls to 4 MiB, under the 5 MB warning: one notification, which the
// shell shows as a warning unless the user is in quiet time; its click
// surveys the drive. C: stays there: nothing more is told.
TEST_F(ApplicationTest, ADriveCrossingTheWarningIsToldOnceAndItsClickSurveysTheDrive) {
    program->drives.drives[u"C:\\"] = {DriveKind::Fixed, {4 << 20, int64_t{100} << 30}, u""};
    ASSERT_TRUE(BeatsUntil([] { return !program->notifications.empty(); }));
    const NOTIFYICONDATAW& told = program->notifications[0];
    EXPECT_EQ(std::tuple(told.uFlags, told.dwInfoFlags, std::wstring(told.szInfoTitle), std::wstring(told.szInfo)),
              std::tuple(UINT{NIF_INFO}, DWORD{NIIF_WARNING | NIIF_RESPECT_QUIET_TIME}, std::wstring(L"Kuvano"),
                         std::wstring(L"ドライブ C: の空きが 4,096 キロバイトになりました（警告: 5 メガバイト）")));
    const HWND trayMessages = FindWindowExW(application.MainWindowHandle(), nullptr, L"TMyCallback", nullptr);
    SendMessageW(trayMessages, kTrayCallbackMessage, told.uID, NIN_BALLOONUSERCLICK);
    const HWND panel = Window(L"TForm5");
    wchar_t shown[MAX_PATH]{};
    GetWindowTextW(GetDlgItem(panel, FolderSizeWindow::kHistoryBox), shown, MAX_PATH);
    EXPECT_TRUE(IsWindowVisible(panel) && std::wstring(shown) == L"C:\\") << shown;
    PostMessageW(panel, WM_CLOSE, 0, 0);
    program->drives.drives.erase(u"C:\\");
}

// Each choice shows its state as the menu opens; the start's lives in its
// shortcut alone, which counts only while it starts this program: one made
// before the program moved here does not. The notification's is saved with
// the settings: the user's day.
TEST_F(ApplicationTest, TheMenusTwoChoicesToggleShowTheirStateAndPersist) {
    const HWND trayMessages = FindWindowExW(application.MainWindowHandle(), nullptr, L"TMyCallback", nullptr);
    const auto checked = [&] {
        const HMENU menu = MenuOpenedBy([&] { SendMessageW(trayMessages, kTrayCallbackMessage, 1, WM_RBUTTONUP); });
        std::string marks;
        for (const MenuCommand item : {MenuCommand::NotifyLowSpace, MenuCommand::StartAtSignIn})
            marks += GetMenuState(menu, static_cast<UINT>(item), MF_BYCOMMAND) & MF_CHECKED ? 'x' : '-';
        return marks;
    };
    const auto choose = [](MenuCommand item) { SendMessageW(Window(L"TForm4"), WM_COMMAND, WPARAM(item), 0); };
    EXPECT_EQ(checked(), "x-");
    choose(MenuCommand::NotifyLowSpace);
    ASSERT_TRUE(StartupShortcut(FromWide(program->folder.File(L"Startup")), u"C:\\Moved\\Kuvano.exe").Set(true));
    EXPECT_EQ(checked(), "--");
    choose(MenuCommand::StartAtSignIn);
    EXPECT_EQ(checked(), "-x") << "pointed here now";
    const size_t told = program->notifications.size();
    program->drives.drives[u"C:\\"] = {DriveKind::Fixed, {4 << 20, int64_t{100} << 30}, u""};
    BeatsUntil([] { return false; }, 1500);
    EXPECT_EQ(program->notifications.size(), told) << "a crossing is not told while the choice is off";
    program->drives.drives.erase(u"C:\\");
    choose(MenuCommand::NotifyLowSpace);
    choose(MenuCommand::StartAtSignIn);
    EXPECT_EQ(checked(), "x-") << "the shortcut is gone";
}

// Tests that drive the program from outside read the failure count from the main window.
TEST_F(ApplicationTest, TheMainWindowAnswersTheFailureCount) {
    ReportFailure(L"a failure the test makes");
    const auto answered = SendMessageW(application.MainWindowHandle(), FailureCountMessage(), 0, 0);
    EXPECT_EQ(answered, FailureCount());
    EXPECT_GT(answered, 0);
}

// A sign-out is answered at once: while another program holds the settings
// file, Windows is asked to wait, with the reason; once the file is free the
// settings are written and the session may end.
TEST_F(ApplicationTest, ASessionEndWaitsWithItsReasonWhileTheSettingsCannotBeWritten) {
    const HANDLE held = CreateFileW(program->settingsFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const HWND main = application.MainWindowHandle();
    EXPECT_EQ(SendMessageW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    CloseHandle(held);
    EXPECT_EQ(SendMessageW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_EQ(program->sessionEndBlock.reasons,
              (std::vector<std::wstring>{program->settingsFile + L" に書き込めません", L""}));
    EXPECT_NE(testing::ReadFileBytes(program->settingsFile).find("syurui=2\r\n"), std::string::npos) << "written";
}

}  // namespace
}  // namespace kuvano
