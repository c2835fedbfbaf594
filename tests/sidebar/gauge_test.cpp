#include "sidebar/gauge.h"

#include <gtest/gtest.h>

#include <map>

namespace kuvano {
namespace {

// The overlay's fills, discs and sectors by kind (F, E, P): the second surface of a paint.
struct Call {
    Rect rect{};
    Point from{}, to{};
    Colour brush = 0;
    bool operator==(const Call&) const = default;
};
using Calls = std::map<char, std::vector<Call>>;

struct RecordingCanvas final : GaugeCanvas {
    struct Surface final : GaugeSurface {
        explicit Surface(Calls* log) : calls(log) {}
        void FillRect(const Rect& r, Colour c) override { Note('F', {r, {}, {}, c}); }
        void Ellipse(const Rect& r, Colour, Colour brush) override { Note('E', {r, {}, {}, brush}); }
        void Pie(const Rect& r, Point from, Point to, Colour, Colour brush) override {
            Note('P', {r, from, to, brush});
        }
        void Line(Point, Point, Colour) override {}
        Size TextExtent(std::u16string_view) override { return {}; }
        void Text(Point, std::u16string_view, const Rect&, Colour) override {}
        void Draw(const GaugeSurface&, RasterOp) override {}
        void CopyOntoItself(const Rect&, RasterOp) override {}
        void Note(char what, const Call& call) {
            if (calls && call.brush != kSystemWindowFrame) (*calls)[what].push_back(call);  // not the blackening fill
        }
        Calls* calls;
    };
    std::unique_ptr<GaugeSurface> CreateSurface(Size) override {
        return std::make_unique<Surface>(++surfaces == 2 ? &overlay : nullptr);
    }
    void Present(const GaugeSurface&) override {}
    Calls overlay;
    int surfaces = 0;
};

// A wide bar is 32 x 8 and framed, a tall one 8 x 32 and framed, a pie 32 x 32 bare.
Calls Painted(GaugeKind kind, int32_t progress) {
    Gauge gauge;
    gauge.SetKind(kind);
    gauge.width = kind == GaugeKind::VerticalBar ? 8 : 32;
    gauge.height = kind == GaugeKind::HorizontalBar ? 8 : 32;
    gauge.SetBorder(kind == GaugeKind::Pie ? GaugeBorder::None : GaugeBorder::Single);
    gauge.SetProgress(progress);
    gauge.SetForeColour(0x0000FF);
    RecordingCanvas canvas;
    gauge.Paint(canvas);
    return canvas.overlay;
}

TEST(GaugePaint, BarsFillTheirShareInsideTheFrame) {
    using enum GaugeKind;
    const Rect wide{1, 1, 31, 7}, tall{1, 1, 7, 31};
    const std::tuple<GaugeKind, int32_t, std::vector<Rect>> cases[] = {
        // the background, then the filled part
        {HorizontalBar, 100, {wide, {1, 1, 31, 7}}},
        {HorizontalBar, 50, {wide, {1, 1, 15, 7}}},
        {HorizontalBar, 3, {wide}},                 // 31 x 0.03 truncates to 0
        {VerticalBar, 100, {tall, {1, 1, 7, 31}}},  // capped at 30
        {VerticalBar, 50, {tall, {1, 16, 7, 31}}},
        {VerticalBar, 0, {tall, {1, 31, 7, 31}}},  // an empty rectangle
    };
    for (const auto& [kind, progress, expected] : cases) {
        const Calls painted = Painted(kind, progress);
        std::vector<Rect> fills;
        for (const Call& fill : painted.at('F')) fills.push_back(fill.rect);
        EXPECT_EQ(fills, expected) << static_cast<int>(kind) << " at " << progress;
    }
}

TEST(GaugePaint, PiesGrowClockwiseFromTwelveOverAWhiteDisc) {
    const std::pair<int32_t, std::vector<Point>> cases[] = {
        {0, {}}, {1, {{17, 0}}}, {25, {{32, 16}}}, {50, {{16, 32}}}, {100, {{16, 0}}},  // start on end: the whole disc
    };
    for (const auto& [progress, starts] : cases) {
        Calls painted = Painted(GaugeKind::Pie, progress);
        EXPECT_EQ(painted['E'], (std::vector<Call>{{{0, 0, 32, 32}, {}, {}, kWhite}}));
        std::vector<Call> pies;
        for (const Point start : starts) pies.push_back({{0, 0, 32, 32}, start, {16, 0}, 0x0000FF});
        EXPECT_EQ(painted['P'], pies) << progress;
    }
}

}  // namespace
}  // namespace kuvano
