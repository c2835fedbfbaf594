#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sidebar/gauge_canvas.h"

namespace kuvano::testing {

// Notes every drawing call, with the number of the surface it went to.
struct DrawCall {
    int surface = 0;
    std::string what;  // FillRect, Ellipse, Pie, Line, Text, Draw, CopyOntoItself
    Rect rect{};
    Point from{};
    Point to{};
    TColor pen = 0;
    TColor brush = 0;
    std::u16string text;
    int source = 0;
    RasterOp op = RasterOp::SrcCopy;
};

class RecordingCanvas final : public GaugeCanvas {
public:
    std::vector<DrawCall> calls;
    int surfacesCreated = 0;
    std::vector<int> presented;

    // Each character of a text is 6 x 12 pixels.
    class Surface final : public GaugeSurface {
    public:
        Surface(RecordingCanvas& canvas, int id) : canvas_(canvas), id_(id) {}
        int Id() const { return id_; }
        void FillRect(const Rect& rect, TColor colour) override {
            DrawCall call = Named("FillRect");
            call.rect = rect;
            call.brush = colour;
            Note(call);
        }
        void Ellipse(const Rect& bounds, TColor pen, TColor brush) override {
            DrawCall call = Named("Ellipse");
            call.rect = bounds;
            call.pen = pen;
            call.brush = brush;
            Note(call);
        }
        void Pie(const Rect& bounds, Point start, Point end, TColor pen, TColor brush) override {
            DrawCall call = Named("Pie");
            call.rect = bounds;
            call.from = start;
            call.to = end;
            call.pen = pen;
            call.brush = brush;
            Note(call);
        }
        void Line(Point from, Point to, TColor pen) override {
            DrawCall call = Named("Line");
            call.from = from;
            call.to = to;
            call.pen = pen;
            Note(call);
        }
        Size TextExtent(std::u16string_view text) override { return {static_cast<int>(text.size()) * 6, 12}; }
        void Text(Point at, std::u16string_view text, const Rect& clip, TColor colour) override {
            DrawCall call = Named("Text");
            call.rect = clip;
            call.from = at;
            call.pen = colour;
            call.text = std::u16string(text);
            Note(call);
        }
        void Draw(const GaugeSurface& source, RasterOp op) override {
            DrawCall call = Named("Draw");
            call.source = static_cast<const Surface&>(source).Id();
            call.op = op;
            Note(call);
        }
        void CopyOntoItself(const Rect& rect, RasterOp op) override {
            DrawCall call = Named("CopyOntoItself");
            call.rect = rect;
            call.op = op;
            Note(call);
        }

    private:
        static DrawCall Named(const char* what) {
            DrawCall call;
            call.what = what;
            return call;
        }
        void Note(DrawCall call) {
            call.surface = id_;
            canvas_.calls.push_back(std::move(call));
        }
        RecordingCanvas& canvas_;
        int id_;
    };

    std::unique_ptr<GaugeSurface> CreateSurface(Size) override {
        return std::make_unique<Surface>(*this, ++surfacesCreated);
    }
    void Present(const GaugeSurface& image) override { presented.push_back(static_cast<const Surface&>(image).Id()); }

    // The calls of one kind, in order.
    std::vector<DrawCall> Calls(const std::string& what) const {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls) {
            if (call.what == what) found.push_back(call);
        }
        return found;
    }
};

}  // namespace kuvano::testing
