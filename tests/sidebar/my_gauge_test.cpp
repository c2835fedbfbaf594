#include "sidebar/my_gauge.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace kuvano {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;

// The fills a paint puts on the overlay after blackening it.
std::vector<DrawCall> KindFills(const RecordingCanvas& canvas) {
    std::vector<DrawCall> fills;
    for (const DrawCall& call : canvas.Calls("FillRect")) {
        if (call.surface == 2 && call.brush != clWindowFrame) fills.push_back(call);
    }
    return fills;
}

TMyGauge Gauge(TMyGaugeKind kind, int width, int height, TBorderStyle border, int32_t progress) {
    TMyGauge gauge;
    gauge.SetKind(kind);
    gauge.Width = width;
    gauge.Height = height;
    gauge.SetBorderStyle(border);
    gauge.SetProgress(progress);
    gauge.SetForeColor(0x0000FF);
    gauge.SetShowText(false);
    return gauge;
}

TEST(TMyGauge, StartsAsAFramedHorizontalBarOverTheRangeZeroToHundred) {
    const TMyGauge gauge;
    EXPECT_EQ(gauge.MinValue(), 0);
    EXPECT_EQ(gauge.MaxValue(), 100);
    EXPECT_EQ(gauge.Progress(), 0);
    EXPECT_EQ(gauge.Kind(), TMyGaugeKind::gkHorizontalBar);
    EXPECT_EQ(gauge.BackColor(), clWhite);
    EXPECT_EQ(gauge.ForeColor(), clBlack);
    EXPECT_EQ(gauge.BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_TRUE(gauge.ShowText());
    EXPECT_EQ(gauge.Width, 100);
    EXPECT_EQ(gauge.Height, 100);
    EXPECT_FALSE(gauge.MylButtonDown);
}

TEST(TMyGaugeRange, ClampsProgressAndChecksTheEnds) {
    TMyGauge gauge;
    gauge.SetProgress(150);
    EXPECT_EQ(gauge.Progress(), 100);
    gauge.SetProgress(-5);
    EXPECT_EQ(gauge.Progress(), 0);

    gauge.SetProgress(10);
    gauge.SetMinValue(50);
    EXPECT_EQ(gauge.Progress(), 50);  // moved with the lower end
    gauge.SetMaxValue(60);
    gauge.SetProgress(60);
    gauge.SetMaxValue(55);
    EXPECT_EQ(gauge.Progress(), 55);

    TMyGauge fresh;
    try {
        fresh.SetMinValue(200);
        FAIL() << "no exception";
    } catch (const EInvalidOperation& error) {
        EXPECT_STREQ(error.what(), "-2147483647 から 99 の間の値でなければなりません");
    }
    EXPECT_EQ(fresh.MinValue(), 0);
    try {
        fresh.SetMaxValue(-1);
        FAIL() << "no exception";
    } catch (const EInvalidOperation& error) {
        EXPECT_STREQ(error.what(), "1 から 2147483647 の間の値でなければなりません");
    }
    EXPECT_EQ(fresh.MaxValue(), 100);
}

TEST(TMyGaugeRange, PercentValueTruncatesAndSurvivesExtremeRanges) {
    struct Case {
        int32_t min, max, progress, percent;
    };
    const Case cases[] = {
        {0, 100, 0, 0},
        {0, 100, 100, 100},
        {0, 1000, 505, 50},
        {0, 3, 1, 33},
        {0, 3, 2, 66},
        {5, 5, 5, 0},  // an empty range
        {-2147483647 - 1, 2147483647, 2147483647, 100},
        {-2147483647 - 1, 2147483647, 0, 50},
    };
    for (const Case& c : cases) {
        TMyGauge gauge;
        gauge.SetMaxValue(c.max);
        gauge.SetMinValue(c.min);
        gauge.SetProgress(c.progress);
        EXPECT_EQ(gauge.PercentValue(), c.percent) << c.min << ".." << c.max << " at " << c.progress;
    }
}

TEST(TMyGaugeRepaint, OnlyWhenThePictureWouldChange) {
    TMyGauge gauge;
    int repaints = 0;
    gauge.Repaint = [&repaints] { ++repaints; };
    gauge.SetMaxValue(1000);
    gauge.SetProgress(500);
    EXPECT_EQ(repaints, 2);
    gauge.SetProgress(505);  // still 50 %
    EXPECT_EQ(gauge.Progress(), 505);
    EXPECT_EQ(repaints, 2);
    gauge.SetForeColor(clBlack);  // unchanged
    gauge.SetKind(TMyGaugeKind::gkHorizontalBar);
    EXPECT_EQ(repaints, 2);
    gauge.SetBackColor(0x00FF00);
    gauge.SetShowText(false);
    EXPECT_EQ(repaints, 4);
    gauge.MyMoj = u"C:";
    EXPECT_EQ(repaints, 4);
}

TEST(TMyGaugePaint, BarsFillExactlyTheirShare) {
    struct Case {
        TMyGaugeKind kind;
        int width, height;
        int32_t progress;
        std::vector<Rect> fills;  // background first, then the filled part
    };
    const Rect framedWide{1, 1, 31, 7};
    const Rect framedTall{1, 1, 7, 31};
    const Case cases[] = {
        {TMyGaugeKind::gkHorizontalBar, 32, 8, 100, {framedWide, {1, 1, 31, 7}}},
        {TMyGaugeKind::gkHorizontalBar, 32, 8, 50, {framedWide, {1, 1, 15, 7}}},
        {TMyGaugeKind::gkHorizontalBar, 32, 8, 3, {framedWide}},                 // 31 x 0.03 truncates to 0
        {TMyGaugeKind::gkVerticalBar, 8, 32, 100, {framedTall, {1, 1, 7, 31}}},  // capped at 30
        {TMyGaugeKind::gkVerticalBar, 8, 32, 50, {framedTall, {1, 16, 7, 31}}},
        {TMyGaugeKind::gkVerticalBar, 8, 32, 0, {framedTall, {1, 31, 7, 31}}},  // an empty rectangle
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        Gauge(c.kind, c.width, c.height, TBorderStyle::bsSingle, c.progress).Paint(canvas);
        const auto fills = KindFills(canvas);
        ASSERT_EQ(fills.size(), c.fills.size()) << static_cast<int>(c.kind) << " at " << c.progress;
        for (size_t i = 0; i < fills.size(); ++i) EXPECT_EQ(fills[i].rect, c.fills[i]) << c.progress;
    }
}

TEST(TMyGaugePaint, PiesGrowClockwiseFromTwelve) {
    struct Case {
        int32_t progress;
        bool slice;
        Point start;
    };
    const Case cases[] = {
        {0, false, {}},       {25, true, {32, 16}},  // the upper right quarter
        {50, true, {16, 32}},                        // the right half
        {100, true, {16, 0}},                        // start and end coincide: the whole disc
        {1, true, {17, 0}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        Gauge(TMyGaugeKind::gkPie, 32, 32, TBorderStyle::bsNone, c.progress).Paint(canvas);
        const auto ellipses = canvas.Calls("Ellipse");
        ASSERT_EQ(ellipses.size(), 1u);
        EXPECT_EQ(ellipses[0].rect, (Rect{0, 0, 32, 32}));
        EXPECT_EQ(ellipses[0].brush, clWhite);
        const auto pies = canvas.Calls("Pie");
        ASSERT_EQ(pies.size(), c.slice ? 1u : 0u) << c.progress;
        if (c.slice) {
            EXPECT_EQ(pies[0].from, c.start) << c.progress;
            EXPECT_EQ(pies[0].to, (Point{16, 0}));
            EXPECT_EQ(pies[0].brush, 0x0000FFu);
        }
    }
}

TEST(TMyGaugePaint, TheNeedleDialIsAnUpperHalfEllipseWithItsNeedle) {
    RecordingCanvas half;
    Gauge(TMyGaugeKind::gkNeedle, 40, 20, TBorderStyle::bsNone, 50).Paint(half);
    const auto pies = half.Calls("Pie");
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_EQ(pies[0].rect, (Rect{0, 0, 40, 39}));
    EXPECT_EQ(pies[0].from, (Point{40, 19}));
    EXPECT_EQ(pies[0].to, (Point{0, 19}));
    const auto lines = half.Calls("Line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, (Point{0, 20}));  // the diameter
    EXPECT_EQ(lines[0].to, (Point{40, 20}));
    EXPECT_EQ(lines[1].from, (Point{20, 19}));  // upright at 50 %
    EXPECT_EQ(lines[1].to, (Point{20, 0}));

    RecordingCanvas full;
    Gauge(TMyGaugeKind::gkNeedle, 40, 20, TBorderStyle::bsNone, 100).Paint(full);
    EXPECT_EQ(full.Calls("Line").back().to, (Point{40, 19}));  // flat to the right

    RecordingCanvas empty;
    Gauge(TMyGaugeKind::gkNeedle, 40, 20, TBorderStyle::bsNone, 0).Paint(empty);
    EXPECT_EQ(empty.Calls("Line").size(), 1u);  // no needle
}

TEST(TMyGaugePaint, UsesOffScreenBitmapsAndTouchesTheScreenOnce) {
    RecordingCanvas plain;
    Gauge(TMyGaugeKind::gkHorizontalBar, 32, 8, TBorderStyle::bsSingle, 50).Paint(plain);
    EXPECT_EQ(plain.surfacesCreated, 2);
    EXPECT_EQ(plain.presented, std::vector<int>{1});
    const auto draws = plain.Calls("Draw");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].surface, 1);
    EXPECT_EQ(draws[0].source, 2);
    EXPECT_EQ(draws[0].op, RasterOp::SrcInvert);
    // Nothing is drawn on the outermost ring of a framed gauge.
    for (const DrawCall& fill : KindFills(plain)) {
        EXPECT_GE(fill.rect.left, 1);
        EXPECT_GE(fill.rect.top, 1);
        EXPECT_LE(fill.rect.right, 31);
        EXPECT_LE(fill.rect.bottom, 7);
    }

    TMyGauge captioned = Gauge(TMyGaugeKind::gkVerticalBar, 32, 100, TBorderStyle::bsSingle, 40);
    captioned.SetShowText(true);
    captioned.MyMoj = u"C:";
    RecordingCanvas withText;
    captioned.Paint(withText);
    EXPECT_EQ(withText.surfacesCreated, 3);
    const auto texts = withText.Calls("Text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].surface, 3);
    EXPECT_EQ(texts[0].from, (Point{(31 - 12) / 2, (99 - 12) / 2}));  // centred in the paint rectangle
    EXPECT_EQ(texts[0].pen, clWhite);
    EXPECT_EQ(texts[0].rect, (Rect{1, 1, 31, 99}));
    EXPECT_EQ(withText.Calls("Draw").back().source, 3);
    EXPECT_EQ(withText.Calls("Draw").back().op, RasterOp::SrcInvert);

    captioned.MyMoj.clear();
    RecordingCanvas emptyCaption;
    captioned.Paint(emptyCaption);
    EXPECT_EQ(emptyCaption.surfacesCreated, 2);
}

TEST(TMyGaugeMouse, AClickNeedsThePressAndTheReleaseOnTheControl) {
    TMyGauge gauge;
    EXPECT_FALSE(gauge.LeftButtonUp(true));  // pressed elsewhere, released here
    gauge.LeftButtonDown();
    EXPECT_TRUE(gauge.MylButtonDown);
    EXPECT_FALSE(gauge.LeftButtonUp(false));  // dragged away before the release
    EXPECT_FALSE(gauge.MylButtonDown);
    gauge.LeftButtonDown();
    EXPECT_TRUE(gauge.LeftButtonUp(true));
    EXPECT_FALSE(gauge.LeftButtonUp(true));
}

}  // namespace
}  // namespace kuvano
