// The real Kuvano.exe in a Wine desktop with a taskbar, driven from outside
// through a user's day: the wiring between its windows, the shell and the
// settings file. What each window does alone is tested in win32_tests.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "e2e/driver_win32.h"
#include "folder_size/folder_size_window_win32.h"
#include "settings_panel/settings_window_win32.h"
#include "sidebar/sidebar_menu.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using namespace e2e;
using testing::ReadFileBytes;
using Row = std::vector<std::wstring>;  // a survey row's three columns

constexpr UINT kMenuGetHandle = 0x01E1;  // MN_GETHMENU
constexpr Rgb kGrey{192, 192, 192};      // the strip's colour at first

int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
bool Shown(HWND window) { return Eventually([&] { return HasVisibleStyle(window); }); }
bool Hidden(HWND window) { return Eventually([&] { return !HasVisibleStyle(window); }); }
bool Gone(HWND window) { return Eventually([&] { return !IsWindow(window) || !HasVisibleStyle(window); }); }

void Click(HWND window, int control) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, control)));
}

// The menu window that shows, or nullptr.
HWND ShownMenu(const std::wstring& program) {
    HWND menuWindow = nullptr;
    Eventually([&] {
        for (HWND w : WindowsOf(program, L"#32768")) menuWindow = HasVisibleStyle(w) ? w : menuWindow;
        return menuWindow != nullptr;
    });
    return menuWindow;
}

// Answers the menu with a key; the menu's handle once it has closed, or nullptr.
HMENU Answer(HWND menuWindow, UINT message, WPARAM key) {
    if (!menuWindow) return nullptr;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, kMenuGetHandle, 0, 0));
    PostMessageW(menuWindow, message, key, 0);
    return Gone(menuWindow) ? menu : nullptr;
}

std::vector<Row> Rows(HWND list) {
    std::vector<Row> rows;
    for (int i = 0, count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); i < count; ++i)
        rows.push_back({ListViewText(list, i, 0), ListViewText(list, i, 1), ListViewText(list, i, 2)});
    return rows;
}

// As if the taskbar had restarted: the notification area forgets the icon.
void ForgetTrayIcon(HWND mainWindow) {
    std::thread([mainWindow] {
        SetThreadDesktop(OpenDesktopW(L"shell", 0, FALSE, GENERIC_ALL));
        NOTIFYICONDATAW icon{};
        icon.cbSize = sizeof(icon);
        icon.hWnd = FindWindowExW(mainWindow, nullptr, L"TMyCallback", nullptr);
        icon.uID = 1;
        Shell_NotifyIconW(NIM_DELETE, &icon);
    }).join();
}

// The folder picked from the survey's history: a survey starts.
void SurveyFromHistory(HWND panel, const std::wstring& path) {
    const HWND combo = GetDlgItem(panel, TForm5::kCombo1);
    SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    PostMessageW(panel, WM_COMMAND, MAKEWPARAM(TForm5::kCombo1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

class UserDay : public ::testing::Test {
protected:
    void Open() {
        Start(program);
        main = WindowOf(program, L"TForm1");
        about = WindowOf(program, L"TFormInfo");  // the last one created
        panel = WindowOf(program, L"TForm2");
        help = WindowOf(program, L"TForm3");
        sidebar = WindowOf(program, L"TForm4");
        folders = WindowOf(program, L"TForm5");
        ASSERT_TRUE(main && about && panel && help && sidebar && folders);
    }
    void Command(SidebarCommand command) const {
        PostMessageW(sidebar, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
    HMENU FromTrayMenu(UINT message, WPARAM key) const {
        NotifyTray(main, WM_RBUTTONUP);
        return Answer(ShownMenu(program), message, key);
    }
    RECT Strip() const {
        RECT strip{};
        GetWindowRect(sidebar, &strip);
        return strip;
    }
    bool Docked(const std::function<bool(const RECT&)>& placed) const {
        return Eventually([&] { return placed(Strip()); });
    }
    // Types a colour into the colour dialog and answers it.
    void ChooseColour(const wchar_t* red, const wchar_t* green, int answer) const {
        Command(SidebarCommand::pmAkiiro);
        const HWND dialog = WindowOf(program, L"#32770");
        ASSERT_NE(dialog, nullptr) << "no colour dialog";
        int field = 706;  // red, green, blue
        for (const wchar_t* value : {red, green, L"0"})
            SendMessageW(GetDlgItem(dialog, field++), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value));
        PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        ASSERT_TRUE(Eventually([&] { return !IsWindow(dialog); }));
    }

    // The survey looks first at the program's folder. The settings file is
    // named after the program.
    testing::ScratchFolder folder{L"e2e-day"};
    std::wstring program = folder.File(L"ドライブ.exe"), settingsFile = folder.File(L"ドライブ.ini");
    HWND main = nullptr, about = nullptr, panel = nullptr, help = nullptr, sidebar = nullptr, folders = nullptr;
};

// T: is a 16 MiB drive with 15 MiB free (with-scratch-mounts.sh); Q: is a CD drive.
TEST_F(UserDay, FromTheFirstStartToTheNext) {
    ASSERT_EQ(GetDriveTypeW(L"T:\\"), static_cast<UINT>(DRIVE_FIXED)) << "run through with-scratch-mounts.sh";
    ASSERT_EQ(GetDriveTypeW(L"Q:\\"), static_cast<UINT>(DRIVE_CDROM));
    // A holds 3.5 MiB in five entries, B is empty.
    for (const wchar_t* sub : {L"\\A", L"\\A\\Sub", L"\\B"}) CreateDirectoryW((folder.Path() + sub).c_str(), nullptr);
    for (const wchar_t* name : {L"\\A\\1", L"\\A\\2", L"\\A\\3"})
        testing::WriteFileBytes(folder.Path() + name, std::string(1 << 20, 'x'));
    testing::WriteFileBytes(folder.Path() + L"\\A\\Sub\\4", std::string(1 << 19, 'x'));
    ASSERT_TRUE(CopyFileW(ProgramUnderTest().c_str(), program.c_str(), FALSE));
    testing::WriteFileBytes(settingsFile, "[setei]\r\ndrivenam=Q\r\n");  // the tray cannot show a CD drive
    ASSERT_NO_FATAL_FAILURE(Open());

    // Six windows, no taskbar buttons, and only the sidebar shows.
    ASSERT_TRUE(Shown(sidebar));
    for (HWND window : {main, about, panel, help, sidebar, folders}) {
        EXPECT_EQ(HasVisibleStyle(window), window == sidebar);
        EXPECT_TRUE((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) || GetWindow(window, GW_OWNER) == main);
    }
    const auto star = [] { return TrayShows(TrayPicture(TrayIconKind::Star, u"C:\\")); };
    EXPECT_TRUE(Eventually([&] { return star() == 1; })) << "the tray shows the star of the program's drive";

    // The tray icon opens the about box, modal until Esc, and the sidebar's menu.
    const auto othersEnabled = [&](bool enabled) {
        return std::ranges::all_of(std::vector{panel, help, sidebar, folders},
                                   [&](HWND w) { return (IsWindowEnabled(w) != FALSE) == enabled; });
    };
    NotifyTray(main, WM_LBUTTONUP);
    ASSERT_TRUE(Shown(about));
    EXPECT_TRUE(Eventually([&] { return othersEnabled(false); }));
    PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Hidden(about));
    EXPECT_TRUE(Eventually([&] { return othersEnabled(true); }));
    const HMENU menu = FromTrayMenu(WM_KEYDOWN, VK_ESCAPE);
    ASSERT_NE(menu, nullptr);
    PostMessageW(sidebar, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(sidebar), MAKELPARAM(4, 300));
    EXPECT_EQ(Answer(ShownMenu(program), WM_KEYDOWN, VK_ESCAPE), menu);

    // A new taskbar gets the icon back. The desktop's own may announce itself
    // late, and the program then adds its icon again: forget it until it stays gone.
    EXPECT_TRUE(Eventually([&] {
        ForgetTrayIcon(main);
        return !Eventually([&] { return star() > 0.5; }, std::chrono::seconds(2));
    }));
    SendMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Eventually([&] { return star() == 1; })) << "the icon is back";

    // The sidebar docks at the left edge, a gauge per fixed or removable drive.
    ASSERT_TRUE(Docked([](const RECT& s) { return s.right - s.left == 8 && s.bottom - s.top == ScreenHeight(); }));
    int drives = 0;
    for (wchar_t root[] = L"C:\\"; root[0] <= L'Z'; ++root[0])
        drives += GetDriveTypeW(root) == DRIVE_FIXED || GetDriveTypeW(root) == DRIVE_REMOVABLE;
    EXPECT_TRUE(Eventually([&] {  // after the first refresh
        const auto column = Screenshot(Strip().left, 0, 1, 38 * drives + 6);
        bool gauges = column.back() == kGrey;  // none after the last drive
        for (int top = 5; top < 38 * drives; top += 38) gauges &= column[top - 1] == kGrey && column[top] == Rgb{};
        return gauges;
    })) << "black gauge frames on the strip's colour";

    // The colour dialog colours the strip; a cancel keeps the colour.
    ASSERT_NO_FATAL_FAILURE(ChooseColour(L"255", L"0", IDCANCEL));
    EXPECT_TRUE(Eventually([&] { return Pixel(Strip().left, 1) == kGrey; }));
    ASSERT_NO_FATAL_FAILURE(ChooseColour(L"0", L"128", IDOK));
    EXPECT_TRUE(Eventually([&] { return Pixel(Strip().left, 1) == Rgb{0, 128, 0}; }));

    // Help from the sidebar, closed by Esc.
    Command(SidebarCommand::pop4vajhel);
    ASSERT_TRUE(Shown(help));
    PostMessageW(FindWindowExW(help, nullptr, L"Edit", nullptr), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Hidden(help));

    // The settings panel: T in megabytes, chosen as the tray's drive, in bars.
    Command(SidebarCommand::pmSetei);
    ASSERT_TRUE(Shown(panel));
    const HWND listBox = GetDlgItem(FindWindowExW(panel, nullptr, L"TScrollBox", nullptr), TForm2::kListBox1);
    SendMessageW(GetDlgItem(panel, TForm2::kFirstUnitButton + 2), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(panel, TForm2::kFirstKindButton + 0), BM_CLICK, 0, 0);
    const auto lineOf = [&](const wchar_t* start) {
        return SendMessageW(listBox, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(start));
    };
    LRESULT lineOfT = LB_ERR;
    ASSERT_TRUE(Eventually([&] { return (lineOfT = lineOf(L"T o------------- 空き=約15/16メガバイト ")) != LB_ERR; }));
    SendMessageW(listBox, LB_SETCURSEL, static_cast<WPARAM>(lineOfT), 0);
    SendMessageW(panel, WM_COMMAND, MAKEWPARAM(TForm2::kListBox1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(listBox));
    const PixelImage barOfT = TrayPicture(TrayIconKind::Bar, u"T:\\");
    EXPECT_TRUE(Eventually([&] { return TrayShows(barOfT) == 1; })) << "the tray follows the panel";

    // 20 MB of warning: T (15 MiB free) blinks in the tray, on the sidebar
    // (slot 1: the drives are C, T and Z) and in the panel.
    SendMessageW(GetDlgItem(panel, TForm2::kFirstDigitUpDown + 4), UDM_SETPOS32, 0, 2);
    const PixelImage frame = TrayPictures(TrayIconKind::Bar).at(kWarningFrame);
    bool sawFrame = false, sawLevel = false, sawWhite = false, sawGrey = false;
    EXPECT_TRUE(Eventually([&] {
        const Rgb gaugeBottom = Pixel(Strip().left + 3, 38 + 5 + 30);
        sawWhite |= gaugeBottom == Rgb{255, 255, 255};
        sawGrey |= gaugeBottom == Rgb{128, 128, 128};
        sawFrame |= TrayShows(frame) == 1;
        sawLevel |= TrayShows(barOfT) == 1;
        return sawFrame && sawLevel && sawWhite && sawGrey;
    })) << sawFrame << sawLevel << " tray, " << sawWhite << sawGrey << " sidebar";
    EXPECT_TRUE(Eventually([&] { return lineOf(L"T --------------") == lineOfT; })) << "the panel's line blinks";
    Click(panel, TForm2::kBitBtn1);
    EXPECT_TRUE(Hidden(panel));

    // The folder survey: the program's folder, sorted by a column's title.
    Command(SidebarCommand::pmFolSiz);
    ASSERT_TRUE(Shown(folders));
    const HWND list = GetDlgItem(folders, TForm5::kListView1);
    const auto idle = [&] {
        return IsWindowEnabled(GetDlgItem(folders, TForm5::kBitBtn2)) &&
               !IsWindowEnabled(GetDlgItem(folders, TForm5::kBitBtn3));
    };
    Click(folders, TForm5::kBitBtn2);
    ASSERT_TRUE(Eventually([&] { return idle() && Rows(list).size() == 2; }));
    const Row a{L"000,003", folder.Path() + L"\\A", L"000,005"}, b{L"000,000", folder.Path() + L"\\B", L"000,000"};
    EXPECT_EQ(Rows(list), (std::vector{a, b})) << "largest first";
    const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(66 + 470 + 28, 8));  // "数": ascending
    PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(66 + 470 + 28, 8));
    EXPECT_TRUE(Eventually([&] { return Rows(list) == std::vector{b, a}; }));

    // Wine's own files make a survey of many seconds: Stop keeps the rows so far.
    const std::wstring big = L"Z:\\usr";
    SurveyFromHistory(folders, big);
    ASSERT_TRUE(Eventually([&] { return !idle() && !Rows(list).empty(); }));
    Click(folders, TForm5::kBitBtn3);
    ASSERT_TRUE(Eventually(idle));
    const std::vector<Row> rows = Rows(list);
    EXPECT_TRUE(std::ranges::all_of(rows, [&](const Row& row) { return row[1].starts_with(big + L"\\"); }));
    const auto subfolders = std::count_if(std::filesystem::directory_iterator(big), {},
                                          [](const auto& entry) { return entry.is_directory(); });
    EXPECT_LT(static_cast<long>(rows.size()), subfolders) << "stopped before the last subfolder";

    // Pies at the top from the tray's menu; a quit in the middle of a survey,
    // which the program takes from within the survey's message pump.
    EXPECT_NE(FromTrayMenu(WM_CHAR, 'p'), nullptr);
    EXPECT_NE(FromTrayMenu(WM_CHAR, 't'), nullptr);
    EXPECT_TRUE(Docked([](const RECT& s) { return s.top == 0 && s.bottom == 32; })) << "a row of pies at the top";
    SurveyFromHistory(folders, big);
    ASSERT_TRUE(Eventually([&] { return !idle(); }));
    for (HWND window : {main, panel, sidebar, folders}) {
        DWORD_PTR ignored = 0;
        EXPECT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored)) << "answers";
    }
    EXPECT_EQ(FailuresOf(main), 0);
    Command(SidebarCommand::pmBarSyuryo);
    ASSERT_TRUE(WaitForExit(main));
    EXPECT_TRUE(Eventually([&] { return TrayShows(barOfT) < 0.5 && TrayShows(frame) < 0.5; })) << "icon gone";
    const std::string saved = ReadFileBytes(settingsFile);
    for (const std::string& kept : std::vector<std::string>{"drivenam=T", "tani=2", "syurui=0", "tenm5=2", "enGrf=1",
                                                             "aki=" + std::to_string(RGB(0, 128, 0)),
                                                             "iti=" + std::to_string(EdgeOf(SidebarCommand::popUe))})
        EXPECT_NE(saved.find(kept + "\r\n"), std::string::npos) << kept << " in\n" << saved;
    EXPECT_FALSE(testing::FileExists(folder.File(L"Kuvano.ini")));

    // The next start docks where the last one ended; the end of the session saves.
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_TRUE(Docked([](const RECT& s) { return s.top == 0 && s.bottom == 32; }));
    Command(SidebarCommand::pmHidarihasi);
    EXPECT_TRUE(Docked([](const RECT& s) { return s.right - s.left == 32 && s.bottom - s.top == ScreenHeight(); }));
    EXPECT_EQ(FailuresOf(main), 0);
    DWORD_PTR mayEnd = 0;
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000, &mayEnd));
    EXPECT_EQ(mayEnd, static_cast<DWORD_PTR>(TRUE));
    const std::string edge = "iti=" + std::to_string(EdgeOf(SidebarCommand::pmHidarihasi)) + "\r\n";
    EXPECT_NE(ReadFileBytes(settingsFile).find(edge), std::string::npos);
    PostMessageW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(WaitForExit(main));
}

TEST(ReadOnlyFolder, AQuitThatCannotSaveSaysSoAndKeepsKuvanoRunning) {
    const std::string scratch = std::getenv("KUVANO_SCRATCH") ? std::getenv("KUVANO_SCRATCH") : "";
    ASSERT_FALSE(scratch.empty()) << "run through with-scratch-mounts.sh";
    const std::wstring folder = std::wstring(scratch.begin(), scratch.end()) + L"\\readonly";
    const std::wstring program = folder + L"\\Kuvano.exe";
    ASSERT_TRUE(testing::FileExists(program));
    Start(program);
    const HWND main = WindowOf(program, L"TForm1");
    ASSERT_NE(main, nullptr);

    PostMessageW(main, WM_CLOSE, 0, 0);
    const HWND errorBox = WindowOf(program, L"#32770");
    ASSERT_NE(errorBox, nullptr);
    EXPECT_TRUE(Eventually([&] {
        wchar_t text[512]{};
        GetDlgItemTextW(errorBox, 0xFFFF, text, 512);  // a message box's text
        return std::wstring(text).find(folder + L"\\Kuvano.ini に書き込めません") != std::wstring::npos;
    }));
    EXPECT_EQ(ReadFileBytes(folder + L"\\Kuvano.ini"), "[setei]\r\ntani=1\r\n");
    PostMessageW(errorBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Eventually([&] { return !IsWindow(errorBox); }));
    EXPECT_TRUE(IsWindow(main)) << "Kuvano keeps running";
    EXPECT_EQ(FailuresOf(main), 0);
    PostMessageW(main, WM_ENDSESSION, TRUE, 0);  // ends it, giving the sidebar's strip back
    EXPECT_TRUE(WaitForExit(main));
}

}  // namespace
}  // namespace kuvano
