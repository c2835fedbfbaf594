// The real Kuvano.exe in a Wine desktop with a taskbar, driven from outside
// through a user's day: the wiring between its windows, the shell and the
// settings file. Every wait looks at something the program shows, until a deadline.
#include <windows.h>
#include <commctrl.h>
#include <process.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <thread>

#include "app/main_window_win32.h"
#include "core/free_level.h"
#include "folder_size/folder_size_window_win32.h"
#include "platform/drive_platform_win32.h"
#include "platform/failure_report_win32.h"
#include "settings_panel/settings_window_win32.h"
#include "sidebar/sidebar_menu.h"
#include "support/scratch_folder_win32.h"
#include "tray/tray_icon_win32.h"
#include "tray/tray_pictures.h"

namespace kuvano {
namespace {

using Row = std::vector<std::wstring>;  // a survey row's four columns

// Enough for a start or a paint on a loaded machine; only a failure waits it out.
bool Eventually(const std::function<bool()>& holds, std::chrono::milliseconds patience = std::chrono::seconds(20)) {
    for (const auto end = std::chrono::steady_clock::now() + patience; !holds();) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

// Starts the program in the desktop named "shell", to which Wine gives a
// taskbar, and joins that desktop: there its windows are found by class
// (one program runs at a time) and the tray can be spoken to.
void Start(const std::wstring& program) {
    // Wine's explorer can refuse a start while an earlier program is still ending.
    ASSERT_TRUE(Eventually([&] {
        return _wspawnlp(_P_NOWAIT, L"explorer.exe", L"explorer.exe", L"/desktop=shell,1280x800",
                         (L"\"" + program + L"\"").c_str(), nullptr) != -1;
    }));
    static const bool joined =
        Eventually([] { return SetThreadDesktop(OpenDesktopW(L"shell", 0, FALSE, GENERIC_ALL)) != FALSE; });
    ASSERT_TRUE(joined);
}

HWND WindowOf(const wchar_t* className) {
    HWND found = nullptr;
    Eventually([&] { return (found = FindWindowW(className, nullptr)) != nullptr; });
    return found;
}

bool Shown(HWND window) {
    return Eventually([&] { return IsWindowVisible(window); });
}
bool Hidden(HWND window) {
    return Eventually([&] { return !IsWindowVisible(window); });
}

bool WaitForExit(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);  // none when already gone
    const bool ended = !process || WaitForSingleObject(process, 20'000) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    return ended;
}

// The program shows the user no failure; it answers their count to a registered message.
long long FailuresOf(HWND mainWindow) {
    DWORD_PTR count = 0;
    return SendMessageTimeoutW(mainWindow, FailureCountMessage(), 0, 0, SMTO_BLOCK, 5000, &count) ? count : -1;
}

// A window's text from another process: the system carries WM_GETTEXT across.
std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(window, WM_GETTEXT, text.size(), LPARAM(text.data()))));
    return text;
}

// The screen's pixel as the shell's desktop shows it, once joined.
COLORREF Pixel(int x, int y) {
    static const HDC screen = GetDC(nullptr);
    return GetPixel(screen, x, y);
}

PixelImage TrayPicture(TrayPictureKind kind, const char16_t* root) {
    const DriveSpace space = DrivePlatformWin32().Space(root);
    return TrayPictures(kind).at(static_cast<size_t>(FreeLevel(space.freeBytes, space.totalBytes)));
}

// The share of the picture's opaque pixels that the screen shows at (left, top).
double ScreenShows(const PixelImage& picture, int left, int top) {
    int opaque = 0, matching = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba p = picture.At(x, y);
            opaque += p.a != 0;
            matching += p.a != 0 && Pixel(left + x, top + y) == RGB(p.r, p.g, p.b);
        }
    }
    return static_cast<double>(matching) / opaque;
}

// The place of the first icon in the notification area of a 1280 x 800 desktop.
double TrayShows(const PixelImage& picture) {
    return ScreenShows(picture, 1262, 782);
}

// The survey's rows. A list view reads and writes the item record in its own
// process, so the record and its text buffer are placed there.
std::vector<Row> Rows(HWND list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    auto* remote = static_cast<LVITEMW*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    std::vector<Row> rows(static_cast<size_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));
    for (size_t row = 0; remote && row < rows.size(); ++row) {
        for (int column = 0; column < 4; ++column) {
            LVITEMW item{};
            item.iSubItem = column, item.pszText = reinterpret_cast<wchar_t*>(remote + 1), item.cchTextMax = 1024;
            wchar_t text[1024]{};
            WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
            const auto length = SendMessageW(list, LVM_GETITEMTEXTW, row, LPARAM(remote));
            ReadProcessMemory(process, item.pszText, text, sizeof(text), nullptr);
            rows[row].emplace_back(text, static_cast<size_t>(length));
        }
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (process) CloseHandle(process);
    return rows;
}

// A user's action returns, and what it shows is there, within what a user takes for at once.
bool AnswersAtOnce(HWND window, UINT message, WPARAM wParam, const std::function<bool()>& shows) {
    constexpr std::chrono::milliseconds kAtOnce(2000);  // loose: the machine may be busy
    const auto sent = std::chrono::steady_clock::now();
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, 0, SMTO_NORMAL, kAtOnce.count(), &result) &&
           Eventually(shows, kAtOnce - std::chrono::duration_cast<std::chrono::milliseconds>(
                                           std::chrono::steady_clock::now() - sent));
}

// Picks the folder from the history, which starts a survey.
void PickFromHistory(HWND panel, const std::wstring& path) {
    const HWND combo = GetDlgItem(panel, FolderSizeWindow::kHistoryBox);
    SendMessageW(combo, CB_INSERTSTRING, 0, LPARAM(path.c_str()));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    PostMessageW(panel, WM_COMMAND, MAKEWPARAM(FolderSizeWindow::kHistoryBox, CBN_SELCHANGE), LPARAM(combo));
}

// A survey long enough to be seen running: it enables the stop button.
bool SurveyFromHistory(HWND panel, const std::wstring& path) {
    PickFromHistory(panel, path);
    return Eventually([&] { return IsWindowEnabled(GetDlgItem(panel, FolderSizeWindow::kStopButton)) != FALSE; });
}

class UserDay : public ::testing::Test {
protected:
    void Open() {
        ASSERT_TRUE(copied) << "KUVANO_EXE names the program";
        ASSERT_NO_FATAL_FAILURE(Start(program));
        ASSERT_TRUE((main = WindowOf(L"TForm1")) && (about = WindowOf(L"TFormInfo")));  // the first and the last made
        panel = FindWindowW(L"TForm2", nullptr), help = FindWindowW(L"TForm3", nullptr);
        sidebar = FindWindowW(L"TForm4", nullptr), folders = FindWindowW(L"TForm5", nullptr);
        ASSERT_TRUE(panel && help && sidebar && folders);
    }
    void TearDown() override {  // a failed day leaves no program behind for the next test
        if (IsWindow(main)) PostMessageW(main, WM_ENDSESSION, TRUE, 0), WaitForExit(main);
    }
    void Command(MenuCommand command) const { PostMessageW(sidebar, WM_COMMAND, WPARAM(command), 0); }
    HWND FolderControl(int id) const { return GetDlgItem(folders, id); }
    // No survey runs: start takes input and stop does not.
    bool Idle() const {
        return IsWindowEnabled(FolderControl(FolderSizeWindow::kStartButton)) &&
               !IsWindowEnabled(FolderControl(FolderSizeWindow::kStopButton));
    }
    // The tray icon's notification, as the shell sends it for a mouse action.
    void NotifyTray(UINT mouseMessage) const { PostMessageW(CallbackWindow(), kTrayCallbackMessage, 1, mouseMessage); }
    HWND CallbackWindow() const { return FindWindowExW(main, nullptr, L"TMyCallback", nullptr); }
    // Chooses an item of the tray's menu by its key; whether the menu closed.
    bool ChooseFromTrayMenu(wchar_t key) const {
        NotifyTray(WM_RBUTTONUP);
        HWND menuWindow = nullptr;
        if (!Eventually([&] { return IsWindowVisible(menuWindow = FindWindowW(L"#32768", nullptr)); })) return false;
        PostMessageW(menuWindow, WM_CHAR, key, 0);
        return Hidden(menuWindow);
    }
    bool Docked(const std::function<bool(const RECT&)>& placed) {
        return Eventually([&] { return GetWindowRect(sidebar, &strip) && placed(strip); });
    }

    // The settings file is named after the program.
    testing::ScratchFolder folder{L"e2e-day"};
    std::wstring program = folder.File(L"ドライブ.exe"), settingsFile = folder.File(L"ドライブ.ini");
    bool copied = CopyFileW(_wgetenv(L"KUVANO_EXE"), program.c_str(), FALSE);
    HWND main = nullptr, about = nullptr, panel = nullptr, help = nullptr, sidebar = nullptr, folders = nullptr;
    RECT strip{};
};

// T: is a 16 MiB drive with 15 MiB free (with-scratch-mounts.sh); Q: is a CD drive.
TEST_F(UserDay, FromTheFirstStartToTheNext) {
    ASSERT_EQ(GetDriveTypeW(L"Q:\\"), UINT{DRIVE_CDROM});
    testing::WriteFileBytes(settingsFile, "[setei]\r\ndrivenam=Q\r\n");  // the tray cannot show a CD drive
    ASSERT_NO_FATAL_FAILURE(Open());

    // The sidebar shows; the tray shows the program's drive.
    ASSERT_TRUE(Shown(sidebar));
    const auto star = [] { return TrayShows(TrayPicture(TrayPictureKind::Star, u"C:\\")); };
    EXPECT_TRUE(Eventually([&] { return star() == 1; }));

    // The tray icon opens the about box, modal until Esc.
    const auto othersEnabled = [&](bool enabled) {
        return std::ranges::all_of(std::vector{panel, help, sidebar, folders},
                                   [&](HWND w) { return (IsWindowEnabled(w) != FALSE) == enabled; });
    };
    NotifyTray(WM_LBUTTONUP);
    ASSERT_TRUE(Shown(about));
    EXPECT_TRUE(Eventually([&] { return othersEnabled(false); }));
    PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Hidden(about));
    EXPECT_TRUE(Eventually([&] { return othersEnabled(true); }));

    // The strip docks at the left edge; the colour dialog colours it a green typed into its red, green and blue.
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_TRUE(Docked([&](const RECT& s) { return s.right - s.left == 8 && s.bottom - s.top == screenHeight; }));
    Command(MenuCommand::ChooseStripColour);
    const HWND colourDialog = WindowOf(L"#32770");
    ASSERT_TRUE(colourDialog && Shown(colourDialog)) << "no colour dialog";  // shown once it has filled its fields
    int field = 706;
    for (const wchar_t* value : {L"0", L"128", L"0"}) SetDlgItemTextW(colourDialog, field++, value);
    PostMessageW(colourDialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Eventually([&] { return !IsWindow(colourDialog); }));
    EXPECT_TRUE(Eventually([&] { return Pixel(strip.left, 1) == RGB(0, 128, 0); }));

    // Help from the sidebar, the whole text, closed by Esc.
    Command(MenuCommand::ShowHelp);
    ASSERT_TRUE(Shown(help));
    const HWND helpText = FindWindowExW(help, nullptr, L"Edit", nullptr);
    // The file's CR LF lines, as the window shows them: all but the final line ending.
    const std::string file = testing::ReadFileBytes(_wgetenv(L"KUVANO_HELP_TEXT"));
    ASSERT_TRUE(file.size() > 1000 && file.ends_with("\r\n")) << "KUVANO_HELP_TEXT names the help text";
    std::wstring wanted(file.size(), L'\0');
    wanted.resize(
        size_t(MultiByteToWideChar(CP_UTF8, 0, file.data(), int(file.size() - 2), wanted.data(), int(file.size()))));
    EXPECT_EQ(WindowText(helpText), wanted) << "every line, the first and the last";
    PostMessageW(helpText, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Hidden(help));

    // The settings panel: T in megabytes, chosen as the tray's drive, in bars.
    Command(MenuCommand::ShowSettings);
    ASSERT_TRUE(Shown(panel));
    const HWND listBox = GetDlgItem(FindWindowExW(panel, nullptr, L"TScrollBox", nullptr), SettingsWindow::kDriveList);
    for (const int button : {SettingsWindow::kFirstUnitButton + 2, SettingsWindow::kFirstPictureButton + 0})
        SendMessageW(GetDlgItem(panel, button), BM_CLICK, 0, 0);
    const auto lineOf = [&](const wchar_t* start) { return SendMessageW(listBox, LB_FINDSTRING, -1, LPARAM(start)); };
    LRESULT lineOfT = LB_ERR;
    ASSERT_TRUE(Eventually([&] { return (lineOfT = lineOf(L"T o------------- 空き=約15/16メガバイト ")) != LB_ERR; }));
    SendMessageW(listBox, LB_SETCURSEL, WPARAM(lineOfT), 0);
    SendMessageW(panel, WM_COMMAND, MAKEWPARAM(SettingsWindow::kDriveList, LBN_SELCHANGE), LPARAM(listBox));
    const PixelImage barOfT = TrayPicture(TrayPictureKind::Bar, u"T:\\");
    EXPECT_TRUE(Eventually([&] { return TrayShows(barOfT) == 1; })) << "the tray follows the panel";

    // 20 MB of warning: T (15 MiB free) blinks in the tray, on the sidebar
    // (slot 1 of 38 pixels: the drives are C, T and Z) and in the panel.
    SendMessageW(GetDlgItem(panel, SettingsWindow::kFirstDigitUpDown + 4), UDM_SETPOS32, 0, 2);
    const PixelImage frame = TrayPictures(TrayPictureKind::Bar).at(kWarningFrame);
    bool sawFrame = false, sawLevel = false, sawWhite = false, sawGrey = false;
    EXPECT_TRUE(Eventually([&] {
        const COLORREF gaugeBottom = Pixel(strip.left + 3, 38 + 5 + 30);
        sawWhite |= gaugeBottom == RGB(255, 255, 255);
        sawGrey |= gaugeBottom == RGB(128, 128, 128);
        sawFrame |= TrayShows(frame) == 1;
        sawLevel |= TrayShows(barOfT) == 1;
        return sawFrame && sawLevel && sawWhite && sawGrey;
    })) << sawFrame
        << sawLevel << " tray, " << sawWhite << sawGrey << " sidebar";
    EXPECT_TRUE(Eventually([&] { return lineOf(L"T --------------") == lineOfT; })) << "the panel's line blinks";
    PostMessageW(GetDlgItem(panel, SettingsWindow::kCloseButton), BM_CLICK, 0, 0);
    EXPECT_TRUE(Hidden(panel));

    // What grew since the last survey: 5 MiB written into a.
    Command(MenuCommand::ShowFolderSizes);
    ASSERT_TRUE(Shown(folders));
    const std::wstring tree = folder.File(L"tree"), a = tree + L"\\a", b = tree + L"\\b";
    for (const std::wstring& made : {tree, a, b}) CreateDirectoryW(made.c_str(), nullptr);
    const auto surveyShows = [&](const std::vector<Row>& rows) {
        PickFromHistory(folders, tree);
        return Eventually([&] { return Idle() && Rows(FolderControl(FolderSizeWindow::kSizeList)) == rows; });
    };
    EXPECT_TRUE(surveyShows({{L"000,000", a, L"000,000", L""}, {L"000,000", b, L"000,000", L""}}));
    testing::WriteFileBytes(a + L"\\new", std::string(5 << 20, 'x'));
    EXPECT_TRUE(surveyShows({{L"000,005", a, L"000,001", L"+5"}, {L"000,000", b, L"000,000", L"0"}}));

    // Pies at the top from the tray's menu; a quit in the middle of a survey
    // of Wine's own files, which takes many seconds.
    for (const wchar_t item : {L'p', L't', L'n'}) EXPECT_TRUE(ChooseFromTrayMenu(item));  // n: no notifications
    EXPECT_TRUE(Docked([](const RECT& s) { return s.top == 0 && s.bottom == 32; })) << "a row of pies at the top";
    ASSERT_TRUE(SurveyFromHistory(folders, L"Z:\\usr"));
    EXPECT_EQ(FailuresOf(main), 0);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon), icon.hWnd = CallbackWindow(), icon.uID = 1;
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the shell knows the icon";
    Command(MenuCommand::Quit);
    ASSERT_TRUE(WaitForExit(main));
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the shell knows the icon no more";
    const std::string saved = testing::ReadFileBytes(settingsFile);
    for (const std::string& kept : std::vector<std::string>{"drivenam=T", "tani=2", "syurui=0", "tenm5=2", "enGrf=1",
                                                            "aki=" + std::to_string(RGB(0, 128, 0)), "iti=1", "tuuti=0"})
        EXPECT_NE(saved.find(kept + "\r\n"), std::string::npos) << kept << " in\n" << saved;

    // The next start docks where the last one ended, and compares with the
    // last survey before the quit. A session's end is ApplicationTest's.
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_TRUE(Docked([](const RECT& s) { return s.top == 0 && s.bottom == 32; }));
    Command(MenuCommand::DockLeft);
    EXPECT_TRUE(Docked([&](const RECT& s) { return s.right - s.left == 32 && s.bottom - s.top == screenHeight; }));
    EXPECT_TRUE(surveyShows({{L"000,005", a, L"000,001", L"0"}, {L"000,000", b, L"000,000", L"0"}}));
}

// T: (16 MiB, 15 free) under a warning of 14 MB: filling it is told once, as
// the program counts the notifications the shell took. A second start of
// the same file ends at once and leaves the running one as it is.
TEST_F(UserDay, FillingADrivePastTheWarningIsToldOnce) {
    testing::WriteFileBytes(settingsFile, "[keikoku]\r\ntenm5=1\r\ntenm6=4\r\n");
    ASSERT_NO_FATAL_FAILURE(Open());
    const auto notifications = [&] {
        DWORD_PTR count = 0;
        return SendMessageTimeoutW(main, NotificationCountMessage(), 0, 0, SMTO_BLOCK, 5000, &count) ? count : 99;
    };
    EXPECT_FALSE(Eventually([&] { return notifications() != 0; }, std::chrono::seconds(2)));
    testing::WriteFileBytes(L"T:\\fill", std::string(2 << 20, 'x'));
    EXPECT_TRUE(Eventually([&] { return notifications() == 1; }));
    DeleteFileW(L"T:\\fill");  // the next tests find T: as it was
    const auto second = reinterpret_cast<HANDLE>(_wspawnl(_P_NOWAIT, program.c_str(), program.c_str(), nullptr));
    EXPECT_EQ(WaitForSingleObject(second, 10'000), WAIT_OBJECT_0) << "a second start ends at once";
    TerminateProcess(second, 1);
    EXPECT_TRUE(IsWindow(main) && notifications() == 1 && FailuresOf(main) == 0);
}

TEST(ReadOnlyFolder, AQuitThatCannotSaveSaysSoAndKeepsKuvanoRunning) {
    ASSERT_TRUE(_wgetenv(L"KUVANO_SCRATCH")) << "run through with-scratch-mounts.sh";
    const std::wstring folder = _wgetenv(L"KUVANO_SCRATCH") + std::wstring(L"\\readonly");
    ASSERT_NO_FATAL_FAILURE(Start(folder + L"\\Kuvano.exe"));
    const HWND main = WindowOf(L"TForm1");
    ASSERT_TRUE(main && PostMessageW(main, WM_CLOSE, 0, 0));
    const HWND errorBox = WindowOf(L"#32770");
    ASSERT_NE(errorBox, nullptr);
    EXPECT_TRUE(Eventually([&] {
        wchar_t text[512]{};
        GetDlgItemTextW(errorBox, 0xFFFF, text, 512);  // a message box's text
        return std::wstring(text).find(folder + L"\\Kuvano.ini に書き込めません") != std::wstring::npos;
    }));
    PostMessageW(errorBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Eventually([&] { return !IsWindow(errorBox); }));
    EXPECT_EQ(FailuresOf(main), 0) << "Kuvano keeps running";
    PostMessageW(main, WM_ENDSESSION, TRUE, 0);  // ends it, giving the sidebar's strip back
    EXPECT_TRUE(WaitForExit(main));
}

// A share whose server stopped answering (with-stalled-folder.sh): the listing
// of b\inner never comes. The worker blocked there holds up neither the panel nor the program.
class StalledShare : public UserDay {};

TEST_F(StalledShare, StopTheCloseBoxAndQuitAnswerAtOnce) {
    ASSERT_TRUE(_wgetenv(L"KUVANO_STALLED_FOLDER")) << "run through with-stalled-folder.sh";
    const std::wstring share = _wgetenv(L"KUVANO_STALLED_FOLDER");
    testing::WriteFileBytes(settingsFile, "[saidbar]\r\niti=3\r\n");
    ASSERT_NO_FATAL_FAILURE(Open());
    Command(MenuCommand::ShowFolderSizes);
    ASSERT_TRUE(Shown(folders));
    const HWND list = FolderControl(FolderSizeWindow::kSizeList);
    const auto idle = [&] { return Idle(); };
    // b stalls once it has counted its file and inner; c is finished only where a second worker took it.
    const Row a{L"000,003", share + L"\\a", L"000,003", L""}, b{L"000,001", share + L"\\b", L"000,002", L""},
        c{L"000,002", share + L"\\c", L"000,002", L""};

    ASSERT_TRUE(SurveyFromHistory(folders, share));
    ASSERT_TRUE(Eventually([&] { return Rows(list) == std::vector<Row>{a}; })) << "a is in, b stalls";
    ASSERT_TRUE(AnswersAtOnce(FolderControl(FolderSizeWindow::kStopButton), BM_CLICK, 0, idle)) << "Stop";
    std::vector<Row> rows = Rows(list);
    std::erase(rows, c);
    EXPECT_EQ(rows, (std::vector{a, b})) << "largest first, b with what it counted";

    // Surveys again, which may wait for the blocked worker's place.
    ASSERT_TRUE(SurveyFromHistory(folders, share));
    ASSERT_TRUE(AnswersAtOnce(folders, WM_SYSCOMMAND, SC_CLOSE, [&] { return !IsWindowVisible(folders) && idle(); }))
        << "the close box";

    Command(MenuCommand::ShowFolderSizes);
    ASSERT_TRUE(Shown(folders) && SurveyFromHistory(folders, share));
    Command(MenuCommand::DockTop);
    EXPECT_EQ(FailuresOf(main), 0);
    ASSERT_TRUE(AnswersAtOnce(sidebar, WM_COMMAND, WPARAM(MenuCommand::Quit), [&] { return !IsWindow(main); }))
        << "the quit";
    EXPECT_NE(testing::ReadFileBytes(settingsFile).find("iti=1\r\n"), std::string::npos) << "saved at the quit";
}

// A 1280 x 800 desktop at a scale: the strip, a gauge's first and last row and the next one's first,
// the first place in the notification area and the taskbar's icon side. The forms' scale is FormScale's.
struct Scene {
    int thickness, gaugeTop, gaugeBottom, nextGaugeTop;
    int trayLeft, trayTop, iconSide;
};

class AtOtherScales : public UserDay {};

// Run at 150 % and 200 % (each-scale.sh): every length scales, and pixel art
// by whole steps. At 150 % the 16-pixel star sits in the middle of its 24
// pixels, where a picture stretched by the shell would be uneven.
TEST_F(AtOtherScales, TheStripItsGaugesAndTheTrayPictureScale) {
    ASSERT_TRUE(SetProcessDPIAware());  // screen pixels, not scaled ones
    const std::map<UINT, Scene> scenes{{144, {12, 8, 55, 65, 1254, 774, 24}}, {192, {16, 10, 73, 86, 1246, 766, 32}}};
    ASSERT_TRUE(scenes.contains(GetDpiForSystem())) << "run through each-scale.sh, not at " << GetDpiForSystem();
    const Scene& at = scenes.at(GetDpiForSystem());
    ASSERT_NO_FATAL_FAILURE(Open());

    // A grey strip at the left edge, its gauges framed in black.
    constexpr COLORREF kGrey = RGB(192, 192, 192), kBlack = RGB(0, 0, 0);
    EXPECT_TRUE(Eventually([&] {
        const auto row = [&](int y, COLORREF colour) {  // across the whole strip
            for (int x = 0; x < at.thickness; ++x)
                if (Pixel(x, y) != colour) return false;
            return true;
        };
        return GetWindowRect(sidebar, &strip) && strip.right - strip.left == at.thickness &&
               strip.bottom - strip.top == GetSystemMetrics(SM_CYSCREEN) && row(at.gaugeTop - 1, kGrey) &&
               row(at.gaugeTop, kBlack) && row(at.gaugeBottom, kBlack) && row(at.gaugeBottom + 1, kGrey) &&
               row(at.nextGaugeTop - 1, kGrey) && row(at.nextGaugeTop, kBlack);
    }));

    // The program's drive as a star in the first place of the notification area.
    const PixelImage shown = FitByWholeSteps(TrayPicture(TrayPictureKind::Star, u"C:\\"), at.iconSide, at.iconSide);
    EXPECT_TRUE(Eventually([&] { return ScreenShows(shown, at.trayLeft, at.trayTop) == 1; }));
    EXPECT_EQ(FailuresOf(main), 0);
}

}  // namespace
}  // namespace kuvano
