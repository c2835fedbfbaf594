#include "sidebar/my_gauge.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

// Notes each drawing call with its surface: 1 the image, 2 the overlay.
struct Call {
    int surface;
    char what;  // F fill, E ellipse, P pie, L line, T text, D draw
    Rect rect{};
    Point from{}, to{};
    TColor colour = 0;  // the brush
    int source = 0;
    RasterOp op = RasterOp::SrcCopy;
    bool operator==(const Call&) const = default;
};

struct RecordingCanvas final : GaugeCanvas {
    struct Surface final : GaugeSurface {
        Surface(std::vector<Call>& log, int number) : calls(log), id(number) {}
        void FillRect(const Rect& r, TColor c) override { calls.push_back({id, 'F', r, {}, {}, c}); }
        void Ellipse(const Rect& r, TColor, TColor brush) override { calls.push_back({id, 'E', r, {}, {}, brush}); }
        void Pie(const Rect& r, Point from, Point to, TColor, TColor brush) override {
            calls.push_back({id, 'P', r, from, to, brush});
        }
        void Line(Point, Point, TColor) override { calls.push_back({id, 'L'}); }
        Size TextExtent(std::u16string_view) override { return {}; }
        void Text(Point, std::u16string_view, const Rect&, TColor) override { calls.push_back({id, 'T'}); }
        void Draw(const GaugeSurface& from, RasterOp op) override {
            calls.push_back({id, 'D', {}, {}, {}, 0, static_cast<const Surface&>(from).id, op});
        }
        void CopyOntoItself(const Rect&, RasterOp) override {}
        std::vector<Call>& calls;
        int id;
    };
    std::unique_ptr<GaugeSurface> CreateSurface(Size) override { return std::make_unique<Surface>(calls, ++surfaces); }
    void Present(const GaugeSurface& image) override { presented.push_back(static_cast<const Surface&>(image).id); }
    std::vector<Call> Of(char what, int surface) const {
        std::vector<Call> found;
        for (const Call& call : calls) {
            if (call.what == what && call.surface == surface && call.colour != clWindowFrame) found.push_back(call);
        }
        return found;
    }
    std::vector<Call> calls;
    int surfaces = 0;
    std::vector<int> presented;
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
        {gkHorizontalBar, 100, {wide, {1, 1, 31, 7}}}, {gkHorizontalBar, 50, {wide, {1, 1, 15, 7}}},
        {gkHorizontalBar, 3, {wide}},  // 31 x 0.03 truncates to 0
        {gkVerticalBar, 100, {tall, {1, 1, 7, 31}}},  // capped at 30
        {gkVerticalBar, 50, {tall, {1, 16, 7, 31}}},   {gkVerticalBar, 0, {tall, {1, 31, 7, 31}}},  // an empty rectangle
    };
    for (const auto& c : cases) {
        const bool wideBar = c.kind == gkHorizontalBar;
        std::vector<Rect> fills;
        for (const Call& fill : Painted(c.kind, wideBar ? 32 : 8, wideBar ? 8 : 32, TBorderStyle::bsSingle, c.progress).Of('F', 2)) {
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
        EXPECT_EQ(canvas.Of('E', 2), (std::vector<Call>{{2, 'E', {0, 0, 32, 32}, {}, {}, clWhite}}));
        std::vector<Call> pies;
        for (const Point start : starts) pies.push_back({2, 'P', {0, 0, 32, 32}, start, {16, 0}, 0x0000FF});
        EXPECT_EQ(canvas.Of('P', 2), pies) << progress;
    }
}

// Built off screen, the picture reaches the screen in one copy.
TEST(TMyGaugePaint, BuildsOffScreenAndPresentsOnce) {
    const RecordingCanvas canvas = Painted(TMyGaugeKind::gkHorizontalBar, 32, 8, TBorderStyle::bsSingle, 50);
    EXPECT_EQ(canvas.surfaces, 2);
    EXPECT_EQ(canvas.presented, std::vector<int>{1});
    EXPECT_EQ(canvas.Of('D', 1), (std::vector<Call>{{1, 'D', {}, {}, {}, 0, 2, RasterOp::SrcInvert}}));
}

TEST(TMyGauge, AClickNeedsThePressAndTheReleaseOnTheControl) {
    TMyGauge gauge;
    EXPECT_FALSE(gauge.LeftButtonUp(true));  // pressed elsewhere, released here
    gauge.LeftButtonDown();
    EXPECT_FALSE(gauge.LeftButtonUp(false));  // dragged away before the release
    gauge.LeftButtonDown();
    EXPECT_TRUE(gauge.LeftButtonUp(true));
    EXPECT_FALSE(gauge.LeftButtonUp(true));
}

}  // namespace
}  // namespace kuvano
