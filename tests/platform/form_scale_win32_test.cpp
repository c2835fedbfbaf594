#include "platform/form_scale_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "folder_size/folder_size_window_win32.h"
#include "help/about_box_win32.h"
#include "help/help_window_win32.h"
#include "platform/survey_system_win32.h"
#include "platform/text_collation_win32.h"
#include "platform/wall_clock_win32.h"
#include "settings_panel/settings_window_win32.h"
#include "support/fake_drive_platform.h"
#include "support/fake_file_store.h"

namespace kuvano {
namespace {

int FontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return -font.lfHeight;
}

TEST(FormScale, EachFormDoublesAt192DpiAndComesBackToTheSamePixelAt96) {
    Settings settings;
    testing::FakeDrivePlatform drives;
    LowSpaceWarning warning{settings.warningDigits};
    SettingsWindow panel{nullptr, settings, drives, warning};
    TextCollationWin32 collation;
    testing::FakeFileStore store;
    WallClockWin32 clock;
    SurveyMemory memory{store, u"Kuvano.surveys", collation, clock};
    FolderSizeWindow survey{nullptr, SurveySystemWin32(), collation, memory, clock};
    HelpWindow help{nullptr};
    AboutBox about{nullptr};
    const HWND lines =
        GetDlgItem(FindWindowExW(panel.Handle(), nullptr, L"TScrollBox", nullptr), SettingsWindow::kDriveList);
    const HWND rows = GetDlgItem(survey.Handle(), FolderSizeWindow::kSizeList);
    const HWND name = FindWindowExW(about.Handle(), nullptr, L"STATIC", L"Kuvano");
    // clang-format off
    // Every length at 96 DPI: the form's client area, a child's place and font height.
    const std::tuple<HWND, Size, HWND, Place, int> forms[] = {
        {panel.Handle(), {558, 287}, GetDlgItem(panel.Handle(), SettingsWindow::kCloseButton), {440, 231, 89, 33}, 12},
        {survey.Handle(), {786, 449}, rows, {4, 33, 767, 405}, 12},
        {help.Handle(), {557, 558}, help.TextBox(), {0, 0, 557, 558}, 13},
        {about.Handle(), {267, 99}, name, {56, 16, 200, 24}, 19}};
    // What the forms scale besides: a line height, a column width, pictures.
    const std::pair<std::function<int()>, int> lengths[] = {
        {[&] { return static_cast<int>(SendMessageW(lines, LB_GETITEMHEIGHT, 0, 0)); }, 12},
        {[&] { return static_cast<int>(SendMessageW(rows, LVM_GETCOLUMNWIDTH, 1, 0)); }, 470},
        {[&] { return static_cast<int>(SendMessageW(rows, LVM_GETCOLUMNWIDTH, 3, 0)); }, 150},
        {[&] { int side = 0; ImageList_GetIconSize(ListView_GetImageList(rows, LVSIL_SMALL), &side, &side); return side; }, 16}};
    // clang-format on
    for (const int dpi : {192, 96}) {
        const int times = dpi / 96;
        for (const auto& [form, client, child, place, fontHeight] : forms) {
            // A rough guess at the frame, as the system's may be: the form corrects it.
            RECT guess{0, 0, 800, 600};
            SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&guess));
            RECT area{};
            GetClientRect(form, &area);
            const Place now = PlaceInParent(child);
            EXPECT_EQ(std::tuple(area.right, area.bottom, now.left, now.top, now.width, now.height, FontHeight(child)),
                      std::tuple(client.width * times, client.height * times, place.left * times, place.top * times,
                                 place.width * times, place.height * times, fontHeight * times))
                << client.width << "-wide form at " << dpi;
        }
        for (const auto& [length, at96] : lengths) EXPECT_EQ(length(), at96 * times) << at96 << " at " << dpi;
    }
}

}  // namespace
}  // namespace kuvano
