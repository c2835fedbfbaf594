#include "sidebar/my_gauge.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

// Notes the overlay's fills, discs and sectors: the second surface of a paint.
struct Call {
    char what;  // F fill, E ellipse, P pie
    Rect rect{};
    Point from{}, to{};
    TColor brush = 0;
    bool operator==(const Call&) const = default;
};

struct RecordingCanvas final : GaugeCanvas {
    struct Surface final : GaugeSurface {
        Surface(std::vector<Call>* log) : calls(log) {}
        void FillRect(const Rect& r, TColor c) override { Note({'F', r, {}, {}, c}); }
        void Ellipse(const Rect& r, TColor, TColor brush) override { Note({'E', r, {}, {}, brush}); }
        void Pie(const Rect& r, Point from, Point to, TColor, TColor brush) override {
            Note({'P', r, from, to, brush});
        }
        void Line(Point, Point, TColor) override { Note({'L'}); }
        Size TextExtent(std::u16string_view) override { return {}; }
        void Text(Point, std::u16string_view, const Rect&, TColor) override { Note({'T'}); }
        void Draw(const GaugeSurface&, RasterOp) override {}
        void CopyOntoItself(const Rect&, RasterOp) override {}
        void Note(const Call& call) {
            if (calls && call.brush != clWindowFrame) calls->push_back(call);  // not the blackening fill
        }
        std::vector<Call>* calls;
    };
    std::unique_ptr<GaugeSurface> CreateSurface(Size) override {
        return std::make_unique<Surface>(++surfaces == 2 ? &overlay : nullptr);
    }
    void Present(const GaugeSurface&) override {}
    std::vector<Call> Of(char what) const {
        std::vector<Call> found;
        for (const Call& call : overlay) {
            if (call.what == what) found.push_back(call);
        }
        return found;
    }
    std::vector<Call> overlay;
    int surfaces = 0;
};

RecordingCanvas Painted(TMyGaugeKind kind, int width, int height, TBorderStyle border, int32_t progress) {
    TMyGauge gauge;
    gauge.SetKind(kind);
    gauge.Width = width;
    gauge.Height = height;
    gauge.SetBorderStyle(border);
    gauge.SetProgress(progress);
    gauge.SetForeColor(0x0000FF);
    RecordingCanvas canvas;
    gauge.Paint(canvas);
    return canvas;
}

TEST(TMyGaugePaint, BarsFillTheirShareInsideTheFrame) {
    using enum TMyGaugeKind;
    const Rect wide{1, 1, 31, 7}, tall{1, 1, 7, 31};
    const struct {
        TMyGaugeKind kind;
        int32_t progress;
        std::vector<Rect> fills;  // the background, then the filled part
    } cases[] = {
        {gkHorizontalBar, 100, {wide, {1, 1, 31, 7}}},
        {gkHorizontalBar, 50, {wide, {1, 1, 15, 7}}},
        {gkHorizontalBar, 3, {wide}},                 // 31 x 0.03 truncates to 0
        {gkVerticalBar, 100, {tall, {1, 1, 7, 31}}},  // capped at 30
        {gkVerticalBar, 50, {tall, {1, 16, 7, 31}}},
        {gkVerticalBar, 0, {tall, {1, 31, 7, 31}}},  // an empty rectangle
    };
    for (const auto& c : cases) {
        const bool wideBar = c.kind == gkHorizontalBar;
        std::vector<Rect> fills;
        for (const Call& fill :
             Painted(c.kind, wideBar ? 32 : 8, wideBar ? 8 : 32, TBorderStyle::bsSingle, c.progress).Of('F')) {
            fills.push_back(fill.rect);
        }
        EXPECT_EQ(fills, c.fills) << static_cast<int>(c.kind) << " at " << c.progress;
    }
}

TEST(TMyGaugePaint, PiesGrowClockwiseFromTwelveOverAWhiteDisc) {
    const std::pair<int32_t, std::vector<Point>> cases[] = {
        {0, {}}, {1, {{17, 0}}}, {25, {{32, 16}}}, {50, {{16, 32}}}, {100, {{16, 0}}},  // start on end: the whole disc
    };
    for (const auto& [progress, starts] : cases) {
        const RecordingCanvas canvas = Painted(TMyGaugeKind::gkPie, 32, 32, TBorderStyle::bsNone, progress);
        EXPECT_EQ(canvas.Of('E'), (std::vector<Call>{{'E', {0, 0, 32, 32}, {}, {}, clWhite}}));
        std::vector<Call> pies;
        for (const Point start : starts) pies.push_back({'P', {0, 0, 32, 32}, start, {16, 0}, 0x0000FF});
        EXPECT_EQ(canvas.Of('P'), pies) << progress;
    }
}

}  // namespace
}  // namespace kuvano
