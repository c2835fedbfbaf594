// The real Kuvano.exe's settings panel, opened from the tray menu: its drive
// list, and the tray and sidebar following what is chosen in it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/free_level.h"
#include "e2e/driver_win32.h"
#include "platform/drive_platform_win32.h"
#include "settings_panel/settings_window_win32.h"
#include "sidebar/sidebar_menu.h"
#include "support/scratch_folder_win32.h"
#include "tray/tray_pictures.h"

namespace kuvano {
namespace {

using e2e::Driver;
using testing::ScratchFolder;

void Wait(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::vector<std::wstring> ListLines(HWND listBox) {
    std::vector<std::wstring> lines;
    const auto count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)), L'\0');
        SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        lines.push_back(text);
    }
    return lines;
}

// T: is a 16 MiB drive with 15 MiB free (with-scratch-mounts.sh).
TEST(SettingsPanelEndToEnd, ListsTheDrivesAndTheTrayAndSidebarFollowTheChoices) {
    ASSERT_EQ(GetDriveTypeW(L"T:\\"), static_cast<UINT>(DRIVE_FIXED)) << "run through with-scratch-mounts.sh";
    ScratchFolder folder(L"e2e-panel");
    const std::wstring program = folder.File(L"Kuvano.exe");
    ASSERT_TRUE(CopyFileW(Driver::ProgramUnderTest().c_str(), program.c_str(), FALSE));
    Driver::Start(program);
    const HWND form1 = *Driver::FindWindowOf(program, L"TForm1");
    const HWND form2 = *Driver::FindWindowOf(program, L"TForm2");
    const HWND form4 = *Driver::FindWindowOf(program, L"TForm4");

    PostMessageW(form4, WM_COMMAND, static_cast<WPARAM>(SidebarCommand::pmSetei), 0);
    EXPECT_TRUE(Driver::Eventually([&] { return Driver::HasVisibleStyle(form2); }));
    const HWND listBox = GetDlgItem(FindWindowExW(form2, nullptr, L"TScrollBox", nullptr), TForm2::kListBox1);
    ASSERT_NE(listBox, nullptr);
    std::wstring tLine;
    Driver::Eventually([&] {  // the panel's first refresh comes a second after it shows
        for (const std::wstring& line : ListLines(listBox)) {
            if (line.starts_with(L"T ")) tLine = line;
        }
        return !tLine.empty();
    });
    EXPECT_TRUE(tLine.starts_with(L"T o------------- 空き=約0/0ギガバイト ")) << "15 of 16 MiB free, in gigabytes";

    // Megabytes show the tmpfs exactly; pick T as the tray drive, bars as the picture.
    SendMessageW(GetDlgItem(form2, TForm2::kFirstUnitButton + 2), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(form2, TForm2::kFirstKindButton + 0), BM_CLICK, 0, 0);
    Wait(1200);
    bool found = false;
    for (size_t i = 0; i < ListLines(listBox).size(); ++i) {
        const std::wstring line = ListLines(listBox)[i];
        if (!line.starts_with(L"T ")) continue;
        found = true;
        EXPECT_TRUE(line.starts_with(L"T o------------- 空き=約15/16メガバイト ")) << "exactly the mount's size";
        SendMessageW(listBox, LB_SETCURSEL, i, 0);
        SendMessageW(form2, WM_COMMAND, MAKEWPARAM(TForm2::kListBox1, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(listBox));
    }
    ASSERT_TRUE(found);
    const PixelImage barOfT = TrayPictures(TrayIconKind::Bar).at(13);  // 15/16 free
    EXPECT_TRUE(Driver::Eventually([&] { return Driver::TrayShows(barOfT).Whole(); }))
        << "the tray follows the chosen drive and picture";

    // 20 MiB of warning: T (15 MiB free) blinks in the tray.
    SendMessageW(GetDlgItem(form2, TForm2::kFirstDigitUpDown + 4), UDM_SETPOS32, 0, 2);
    const PixelImage frame = TrayPictures(TrayIconKind::Bar).at(14);
    bool sawFrame = false;
    bool sawLevel = false;
    for (int look = 0; look < 8; ++look) {
        sawFrame = sawFrame || Driver::TrayShows(frame).Whole();
        sawLevel = sawLevel || Driver::TrayShows(barOfT).Whole();
        Wait(150);
    }
    EXPECT_TRUE(sawFrame && sawLevel) << "the tray icon blinks";

    // The sidebar's gauge of T: 6 % used fills its bottom row in grey; the
    // warning frame is all white. Drives C, T and Z put T in slot 1.
    ASSERT_EQ(GetDriveTypeW(L"D:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR)) << "T is in slot 1 only without D..S";
    bool sawWhite = false;
    bool sawGrey = false;
    for (int look = 0; look < 6; ++look) {
        const Driver::Rgb bottom = Driver::Screenshot(3, 38 + 5 + 30, 1, 1).front();
        sawWhite = sawWhite || bottom == Driver::Rgb{255, 255, 255};
        sawGrey = sawGrey || bottom == Driver::Rgb{128, 128, 128};
        Wait(400);
    }
    EXPECT_TRUE(sawWhite && sawGrey) << "the sidebar gauge blinks";
    bool dashes = false;
    for (int look = 0; look < 3 && !dashes; ++look) {
        for (const std::wstring& line : ListLines(listBox)) dashes = dashes || line.starts_with(L"T --------------");
        Wait(600);
    }
    EXPECT_TRUE(dashes) << "the panel's line blinks";

    SendMessageW(GetDlgItem(form2, TForm2::kBitBtn1), BM_CLICK, 0, 0);
    Wait(300);
    EXPECT_FALSE(Driver::HasVisibleStyle(form2));
    PostMessageW(form1, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Driver::WaitForExit(form1));
    const std::string saved = testing::ReadFileBytes(folder.File(L"Kuvano.ini"));
    EXPECT_NE(saved.find("tenm5=2\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("drivenam=T\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("tani=2\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("syurui=0\r\n"), std::string::npos) << saved;
}

}  // namespace
}  // namespace kuvano
