#include "sidebar/gdi_gauge_canvas_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "sidebar/my_gauge.h"

namespace kuvano {
namespace {

// A 40 x 40 target bitmap whose pixels the test reads back.
class Target {
public:
    Target() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = 40;
        info.bmiHeader.biHeight = -40;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < 40 * 40; ++i) pixels_[i] = 0x123456;  // BGRX of kUntouched
    }
    ~Target() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    // As 0x00BBGGRR, like TColor.
    TColor At(int x, int y) const {
        GdiFlush();
        const uint32_t bgrx = pixels_[y * 40 + x];
        return (bgrx & 0xFF) << 16 | (bgrx & 0xFF00) | (bgrx >> 16 & 0xFF);
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* pixels_ = nullptr;
};

constexpr TColor kRed = 0x0000FF;
constexpr TColor kUntouched = 0x563412;  // neither black nor any gauge colour

TEST(GdiGaugeCanvas, PaintsAFramedBarInOneCopyAtItsPlace) {
    Target target;
    TMyGauge gauge;
    gauge.Width = 32;
    gauge.Height = 8;
    gauge.SetForeColor(kRed);
    gauge.SetShowText(false);
    gauge.SetProgress(50);
    GdiGaugeCanvas canvas(target.Dc(), {4, 2}, nullptr);
    gauge.Paint(canvas);

    // Pixel for pixel as the model says: the frame, fill (1, 1, 15, 7), white after it.
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool frame = x == 0 || x == 31 || y == 0 || y == 7;
            const TColor expected = frame ? clBlack : x < 15 ? kRed : clWhite;
            EXPECT_EQ(target.At(4 + x, 2 + y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(target.At(3, 2), kUntouched);  // beside the gauge: untouched
    EXPECT_EQ(target.At(4 + 32, 2 + 3), kUntouched);
    EXPECT_EQ(target.At(4, 2 + 8), kUntouched);
}

TEST(GdiGaugeCanvas, AFullPieIsADiscOnTheControlsColour) {
    Target target;
    TMyGauge gauge;
    gauge.Width = 32;
    gauge.Height = 32;
    gauge.SetKind(TMyGaugeKind::gkPie);
    gauge.SetBorderStyle(TBorderStyle::bsNone);
    gauge.SetShowText(false);
    gauge.Color = 0xC0C0C0;
    gauge.SetForeColor(kRed);
    gauge.SetProgress(100);
    GdiGaugeCanvas canvas(target.Dc(), {0, 0}, nullptr);
    gauge.Paint(canvas);
    EXPECT_EQ(target.At(16, 16), kRed);
    EXPECT_EQ(target.At(8, 24), kRed);
    EXPECT_EQ(target.At(0, 0), 0xC0C0C0u);  // the corners show the control's colour
    EXPECT_EQ(target.At(31, 31), 0xC0C0C0u);
}

TEST(GdiGaugeCanvas, TheCaptionInvertsWhatLiesBeneath) {
    Target target;
    TMyGauge gauge;
    gauge.Width = 40;
    gauge.Height = 40;
    gauge.SetBorderStyle(TBorderStyle::bsNone);
    gauge.SetForeColor(clBlack);
    gauge.SetProgress(50);  // left half black, right half white
    gauge.MyMoj = u"WWWWWW";
    GdiGaugeCanvas canvas(target.Dc(), {0, 0}, nullptr);
    gauge.Paint(canvas);
    int whiteOnBlack = 0;
    int blackOnWhite = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            whiteOnBlack += x < 20 && target.At(x, y) == clWhite;
            blackOnWhite += x >= 20 && target.At(x, y) == clBlack;
        }
    }
    EXPECT_GT(whiteOnBlack, 10);
    EXPECT_GT(blackOnWhite, 10);
}

}  // namespace
}  // namespace kuvano
