// The real Kuvano.exe on a desktop at 200 % (at-dpi.sh 192 sets it): every
// size doubles, and pixel art doubles pixel for pixel.
#include <windows.h>
#include <gtest/gtest.h>

#include "core/free_level.h"
#include "platform/drive_platform_win32.h"
#include "support/e2e_driver_win32.h"
#include "support/scratch_folder_win32.h"
#include "tray/tray_pictures.h"

namespace kuvano {
namespace {

using testing::Eventually, testing::Pixel;

// Across the whole 16-pixel strip.
bool RowIs(int y, COLORREF colour) {
    for (int x = 0; x < 16; ++x) {
        if (Pixel(x, y) != colour) return false;
    }
    return true;
}

TEST(At200Percent, TheStripItsGaugesThePanelAndTheTrayPictureDouble) {
    ASSERT_TRUE(SetProcessDPIAware());  // screen pixels, not scaled ones
    ASSERT_EQ(GetDpiForSystem(), 192U) << "run through at-dpi.sh 192";
    testing::ScratchFolder folder{L"e2e-200"};
    const std::wstring program = folder.File(L"Kuvano.exe");
    ASSERT_TRUE(CopyFileW(_wgetenv(L"KUVANO_EXE"), program.c_str(), FALSE)) << "KUVANO_EXE names the program";
    ASSERT_NO_FATAL_FAILURE(testing::Start(program));
    const HWND main = testing::WindowOf(L"TForm1"), sidebar = testing::WindowOf(L"TForm4");
    const HWND panel = testing::WindowOf(L"TForm2");
    ASSERT_TRUE(main && sidebar && panel);

    // A grey strip at the left edge, its gauges framed in black: 64 pixels every 76, from 10.
    RECT strip{};
    EXPECT_TRUE(Eventually([&] {
        return GetWindowRect(sidebar, &strip) && strip.right - strip.left == 16 &&
               strip.bottom - strip.top == GetSystemMetrics(SM_CYSCREEN);
    }));
    constexpr COLORREF kGrey = RGB(192, 192, 192), kBlack = RGB(0, 0, 0);
    EXPECT_TRUE(Eventually([] {
        return RowIs(9, kGrey) && RowIs(10, kBlack) && RowIs(73, kBlack) && RowIs(74, kGrey) && RowIs(85, kGrey) &&
               RowIs(86, kBlack);
    }));

    RECT client{};
    ASSERT_TRUE(GetClientRect(panel, &client));
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(1116L, 574L)) << "the settings panel";

    // The program's drive as a star, doubled, in the first place of the notification area.
    const DriveSpace space = DrivePlatformWin32().Space(u"C:\\");
    const PixelImage star = TrayPictures(TrayIconKind::Star).at(FreeLevel(space.freeBytes, space.totalBytes));
    EXPECT_TRUE(Eventually([&] { return testing::ScreenShows(FitByWholeSteps(star, 32, 32), 1246, 766) == 1; }));

    EXPECT_EQ(testing::FailuresOf(main), 0);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(testing::WaitForExit(main));
}

}  // namespace
}  // namespace kuvano
