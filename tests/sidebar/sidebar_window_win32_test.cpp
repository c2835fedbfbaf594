#include "sidebar/sidebar_window_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "sidebar/gdi_gauge_canvas_win32.h"
#include "sidebar/menu_pictures.h"
#include "support/fake_drive_platform.h"
#include "support/fake_warning_digits.h"

namespace kuvano {
namespace {

using testing::FakeDrivePlatform;

class SidebarWindowTest : public ::testing::Test {
protected:
    SidebarWindowTest() {
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {25, 100}, u""};
        drives.drives[u"E:\\"] = {DriveKind::Removable, {75, 100}, u""};
        settings.barhyoj = 0;
    }
    ~SidebarWindowTest() override { DestroyWindow(form4.Handle()); }
    RECT WindowRect() const {
        RECT rect{};
        GetWindowRect(form4.Handle(), &rect);
        return rect;
    }

    Settings settings;
    FakeDrivePlatform drives;
    testing::FakeWarningDigits digits;
    LowSpaceWarning warning{digits};
    TForm4 form4{settings, drives};
};

TEST_F(SidebarWindowTest, DocksAsAThinToolWindowAtTheChosenEdge) {
    ASSERT_TRUE(form4.Create(nullptr));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, 8);
    EXPECT_EQ(rect.bottom - rect.top, screenHeight);
    EXPECT_EQ(GetWindowLongW(form4.Handle(), GWL_STYLE) & WS_POPUP, static_cast<LONG>(WS_POPUP));
    EXPECT_TRUE(GetWindowLongW(form4.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongW(form4.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetClassLongPtrW(form4.Handle(), GCL_STYLE) & CS_DBLCLKS)
        << "a double click's second press would click again";

    settings.iti = 4;
    settings.enGrf = true;
    settings.GaugeWidth = 32;
    form4.myBarDock(false);
    rect = WindowRect();
    EXPECT_EQ(rect.right, screenWidth);
    EXPECT_EQ(rect.right - rect.left, 32);

    settings.iti = 1;
    form4.myBarDock(false);
    rect = WindowRect();
    EXPECT_EQ(rect.bottom - rect.top, 32);
    EXPECT_EQ(rect.right - rect.left, screenWidth);
}

TEST_F(SidebarWindowTest, RefreshesItsGaugesAndHintsEverySecond) {
    ASSERT_TRUE(form4.Create(nullptr));
    form4.Link(warning, {});
    SendMessageW(form4.Handle(), WM_TIMER, TForm4::kTimer1, 0);
    const SidebarGauges* gauges = form4.Gauges();
    ASSERT_NE(gauges, nullptr);
    EXPECT_TRUE(gauges->BarGauges[0].Visible);
    EXPECT_TRUE(gauges->BarGauges[1].Visible);
    EXPECT_FALSE(gauges->BarGauges[2].Visible);
    EXPECT_EQ(gauges->BarDrives[1], "E");

    const HWND hints = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    ASSERT_NE(hints, nullptr);
    EXPECT_EQ(SendMessageW(hints, TTM_GETTOOLCOUNT, 0, 0), kSidebarSlots + 1);  // a tool per gauge, one for the strip
}

TEST_F(SidebarWindowTest, PaintsAnewOnlyTheGaugesThatChanged) {
    settings.barhyoj = 1;
    ASSERT_TRUE(form4.Create(nullptr));
    form4.Link(warning, {});
    const auto tick = [this] { SendMessageW(form4.Handle(), WM_TIMER, TForm4::kTimer1, 0); };
    tick();
    UpdateWindow(form4.Handle());
    tick();
    EXPECT_FALSE(GetUpdateRect(form4.Handle(), nullptr, FALSE)) << "nothing changed: nothing to paint";

    drives.drives[u"E:\\"].space = {0, 100};  // E fills up: its bar turns full and red
    tick();
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(form4.Handle(), &update, FALSE));
    const RECT slot1{0, 43, 8, 75};
    EXPECT_TRUE(EqualRect(&update, &slot1));
    UpdateWindow(form4.Handle());
    const HDC dc = GetDC(form4.Handle());
    EXPECT_EQ(GetPixel(dc, 4, 59), ColorRefOf(LevelColors[0]));
    ReleaseDC(form4.Handle(), dc);
}

// The shell docks a new toolbar beside those already on the edge: a second
// sidebar lands at x = 0 only if the first gave its strip back when hidden.
TEST_F(SidebarWindowTest, GivesItsStripBackWhenHidden) {
    settings.barhyoj = 1;
    ASSERT_TRUE(form4.Create(nullptr));
    Settings otherSettings = settings;
    TForm4 second(otherSettings, drives);
    ASSERT_TRUE(second.Create(nullptr));
    RECT beside{};
    GetWindowRect(second.Handle(), &beside);
    ASSERT_EQ(beside.left, 8) << "the shell did not dock the second toolbar beside the first";
    DestroyWindow(second.Handle());

    ShowWindow(form4.Handle(), SW_HIDE);
    TForm4 third(otherSettings, drives);
    ASSERT_TRUE(third.Create(nullptr));
    RECT alone{};
    GetWindowRect(third.Handle(), &alone);
    EXPECT_EQ(alone.left, 0);
    DestroyWindow(third.Handle());
}

// Where the shell docks a new sidebar on the left edge: beside any strip still reserved there.
int LeftOfANewSidebar(Settings& settings, const DrivePlatform& drives) {
    TForm4 probe(settings, drives);
    EXPECT_TRUE(probe.Create(nullptr));
    RECT rect{};
    GetWindowRect(probe.Handle(), &rect);
    DestroyWindow(probe.Handle());
    return rect.left;
}

TEST_F(SidebarWindowTest, RegistersAgainWhenTheTaskbarIsCreatedAnew) {
    settings.barhyoj = 1;
    ASSERT_TRUE(form4.Create(nullptr));
    Settings probeSettings = settings;
    ASSERT_EQ(LeftOfANewSidebar(probeSettings, drives), 8);

    // As after an Explorer restart: the shell no longer knows the strip.
    APPBARDATA forget{};
    forget.cbSize = sizeof(forget);
    forget.hWnd = form4.Handle();
    SHAppBarMessage(ABM_REMOVE, &forget);
    ASSERT_EQ(LeftOfANewSidebar(probeSettings, drives), 0);

    SendMessageW(form4.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(LeftOfANewSidebar(probeSettings, drives), 8) << "the strip is reserved again";
}

// The menu leaves the item pictures to its owner, which draws them over the
// background the menu has painted, plain or highlighted: a transparent pixel
// must keep that background, not show a square.
TEST_F(SidebarWindowTest, DrawsTheMenuPicturesOverTheItemBackground) {
    ASSERT_TRUE(form4.Create(nullptr));
    const std::vector<PixelImage> pictures = PopupMenuPictures();
    constexpr int kSide = 20;
    const RECT place{2, 3, 18, 19};
    const HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP shown = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(dc, shown);
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (UINT position = 0; position < kSidebarMenu.size(); ++position) {
        if (kSidebarMenu[position].picture < 0) continue;
        const PixelImage& picture = pictures.at(static_cast<size_t>(kSidebarMenu[position].picture));
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_DATA;
        ASSERT_TRUE(GetMenuItemInfoW(form4.Menu(), position, TRUE, &item));
        for (const auto& [background, state] : {std::pair{COLOR_MENU, 0u}, {COLOR_HIGHLIGHT, UINT{ODS_SELECTED}}}) {
            const RECT all{0, 0, kSide, kSide};
            FillRect(dc, &all, GetSysColorBrush(background));
            DRAWITEMSTRUCT draw{};
            draw.CtlType = ODT_MENU;
            draw.itemID = item.wID;
            draw.itemAction = ODA_DRAWENTIRE;
            draw.itemState = state;
            draw.hwndItem = reinterpret_cast<HWND>(form4.Menu());
            draw.hDC = dc;
            draw.rcItem = place;
            draw.itemData = item.dwItemData;
            SendMessageW(form4.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
            GdiFlush();
            for (int y = 0; y < kSide; ++y) {
                for (int x = 0; x < kSide; ++x) {
                    const POINT at{x, y};
                    const Rgba p = PtInRect(&place, at)
                                       ? picture.pixels[static_cast<size_t>((y - place.top) * 16 + x - place.left)]
                                       : Rgba{};
                    const COLORREF expected = p.a == 0 ? GetSysColor(background) : RGB(p.r, p.g, p.b);
                    const uint32_t got = pixels[y * kSide + x];
                    ASSERT_EQ(RGB(got >> 16 & 0xFF, got >> 8 & 0xFF, got & 0xFF), expected)
                        << "item " << position << " on colour " << background << " at " << x << "," << y;
                }
            }
        }
    }
    DeleteDC(dc);
    DeleteObject(shown);
}

}  // namespace
}  // namespace kuvano
