#include "sidebar/sidebar_window_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "sidebar/gdi_gauge_canvas_win32.h"
#include "platform/scoped_win32.h"
#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

// A memory bitmap like the screen's, filled with one colour; the DC goes first, letting the bitmap go.
struct Bitmap {
    Bitmap(int side, COLORREF colour) : bitmap(CreateCompatibleBitmap(WindowDc(nullptr).get(), side, side)) {
        SelectObject(dc.get(), bitmap.get());
        const RECT all{0, 0, side, side};
        FillRect(dc.get(), &all, UniqueBrush(CreateSolidBrush(colour)).get());
    }
    UniqueBitmap bitmap;
    UniqueMemoryDc dc{CreateCompatibleDC(nullptr)};
};

TEST(GdiGaugeCanvas, PaintsAFramedBarPixelForPixelAtItsPlaceOnly) {
    constexpr Colour kUntouched = 0x563412, kRed = 0x0000FF;
    const Bitmap target(40, kUntouched);
    Gauge gauge;
    gauge.width = 32;
    gauge.height = 8;
    gauge.SetForeColour(kRed);
    gauge.SetProgress(50);
    GdiGaugeCanvas canvas(target.dc.get(), {4, 2}, nullptr);
    gauge.Paint(canvas);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int gx = x - 4, gy = y - 2;
            const bool inside = gx >= 0 && gx < 32 && gy >= 0 && gy < 8;
            const bool frame = gx == 0 || gx == 31 || gy == 0 || gy == 7;
            const Colour expected = !inside ? kUntouched : frame ? kBlack : gx < 15 ? kRed : kWhite;
            EXPECT_EQ(GetPixel(target.dc.get(), x, y), expected) << x << "," << y;
        }
    }
}

class SidebarWindowTest : public ::testing::Test {
protected:
    // Where the shell docks a new sidebar on the left: beside any strip still reserved there.
    int LeftOfANewSidebar() {
        Settings probeSettings = settings;
        SidebarWindow probe(nullptr, probeSettings, warning, menu, {});
        RECT rect{};
        GetWindowRect(probe.Handle(), &rect);
        return rect.left;
    }

    Settings settings;
    testing::FakeDrivePlatform drives;
    LowSpaceWarning warning{settings.warningDigits};
    SidebarMenu menu;
    SidebarWindow sidebar{nullptr, settings, warning, menu, {}};
};

// The shell docks a new toolbar beside those it holds on the edge.
TEST_F(SidebarWindowTest, GivesItsStripBackWhenHiddenAndTakesItAgainForANewTaskbar) {
    EXPECT_TRUE(GetClassLongPtrW(sidebar.Handle(), GCL_STYLE) & CS_DBLCLKS)
        << "else a double click's second press clicks";
    ASSERT_EQ(LeftOfANewSidebar(), 8);
    APPBARDATA forget{};
    forget.cbSize = sizeof(forget), forget.hWnd = sidebar.Handle();
    SHAppBarMessage(ABM_REMOVE, &forget);  // as after the taskbar restarts: it knows no strip
    ASSERT_EQ(LeftOfANewSidebar(), 0);
    SendMessageW(sidebar.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(LeftOfANewSidebar(), 8) << "the strip is reserved again";
    ShowWindow(sidebar.Handle(), SW_HIDE);
    EXPECT_EQ(LeftOfANewSidebar(), 0) << "a hidden sidebar holds no strip";
}

// What the hint control shows over slot 0's gauge: its place and text.
std::pair<RECT, std::wstring> FirstHint(HWND sidebar) {
    HWND hints = nullptr;
    while ((hints = FindWindowExW(nullptr, hints, TOOLTIPS_CLASSW, nullptr)) && GetWindow(hints, GW_OWNER) != sidebar) {
    }
    wchar_t text[80]{};
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool), tool.hwnd = sidebar, tool.uId = 0, tool.lpszText = text;
    SendMessageW(hints, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    return {tool.rect, text};
}

// The hint control is told of a gauge's hint and place when they change, and only then.
TEST_F(SidebarWindowTest, EachGaugesHintFollowsItsDrive) {
    constexpr int64_t kGiB = int64_t{1} << 30;
    drives.drives[u"C:\\"] = {DriveKind::Fixed, {2 * kGiB, 8 * kGiB}, u""};
    const auto hintIs = [&](RECT place, const wchar_t* text) {
        sidebar.Refresh(ReadWatchedDrives(drives));
        const auto [shownPlace, shownText] = FirstHint(sidebar.Handle());
        return EqualRect(&shownPlace, &place) && shownText == text;
    };
    EXPECT_TRUE(hintIs({0, 5, 8, 37}, L"C:空き/全[GB]=2/8"));
    drives.drives[u"C:\\"].space.freeBytes = 3 * kGiB;
    EXPECT_TRUE(hintIs({0, 5, 8, 37}, L"C:空き/全[GB]=3/8"));
    drives.drives.erase(u"C:\\");
    EXPECT_TRUE(hintIs({}, L"C:空き/全[GB]=3/8")) << "a hidden gauge's hint is nowhere";
}

}  // namespace
}  // namespace kuvano
