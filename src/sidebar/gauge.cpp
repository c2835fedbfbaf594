#include "sidebar/gauge.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace kuvano {
namespace {

std::string RangeMessage(int64_t low, int64_t high) {
    return std::to_string(low) + " から " + std::to_string(high) + " の間の値でなければなりません";
}

// Halves go to the even neighbour, the processor's default rounding.
int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// A bitmap the size of the image, blackened before use.
std::unique_ptr<GaugeSurface> BlackSurfaceLike(GaugeCanvas& canvas, Size size) {
    auto surface = canvas.CreateSurface(size);
    surface->FillRect({0, 0, size.width, size.height}, kSystemWindowFrame);
    surface->CopyOntoItself({0, 0, size.width, size.height}, RasterOp::Blackness);
    return surface;
}

void DrawHorizontalBar(GaugeSurface& overlay, const Rect& paint, int32_t percent, Colour fore, Colour back) {
    const int width = paint.right - paint.left + 1;
    const int height = paint.bottom - paint.top + 1;
    overlay.FillRect(paint, back);
    int filled = LengthForPercent(width, percent);
    if (filled > width) filled = width;
    // The right edge is the filled length itself, not left plus length.
    if (filled > 0) overlay.FillRect({paint.left, paint.top, filled, height}, fore);
}

void DrawVerticalBar(GaugeSurface& overlay, const Rect& paint, int32_t percent, Colour fore, Colour back) {
    const int width = paint.right - paint.left + 1;
    const int height = paint.bottom - paint.top + 1;
    overlay.FillRect(paint, back);
    int filled = LengthForPercent(height, percent);
    if (filled >= height) filled = height - 1;
    overlay.FillRect({paint.left, height - filled, width, height}, fore);
}

}  // namespace

int LengthForPercent(int length, int32_t percent) {
    return static_cast<int>(static_cast<long double>(length) * (static_cast<long double>(percent) * 0.01L));
}

void Gauge::SetMinValue(int32_t value) {
    if (value == minValue_) return;
    if (value > maxValue_) {
        throw GaugeRangeError(RangeMessage(-int64_t{std::numeric_limits<int32_t>::max()}, int64_t{maxValue_} - 1));
    }
    minValue_ = value;
    if (progress_ < value) progress_ = value;
    RepaintNow();
}

void Gauge::SetMaxValue(int32_t value) {
    if (value == maxValue_) return;
    if (value < minValue_) {
        throw GaugeRangeError(RangeMessage(int64_t{minValue_} + 1, std::numeric_limits<int32_t>::max()));
    }
    maxValue_ = value;
    if (progress_ > value) progress_ = value;
    RepaintNow();
}

void Gauge::SetProgress(int32_t value) {
    const int32_t percentBefore = PercentValue();
    if (value < minValue_) value = minValue_;
    if (value > maxValue_) value = maxValue_;
    if (value == progress_) return;
    progress_ = value;
    if (PercentValue() != percentBefore) RepaintNow();
}

int32_t Gauge::PercentValue() const {
    const int64_t part = int64_t{progress_} - minValue_;
    const int64_t whole = int64_t{maxValue_} - minValue_;
    if (whole == 0) return 0;
    return static_cast<int32_t>(static_cast<long double>(part) * 100.0L / static_cast<long double>(whole));
}

bool Gauge::LeftButtonUp(bool releasedInside) {
    if (!armed) return false;
    armed = false;
    return releasedInside;
}

// With a single border the outermost ring is never drawn on, so it stays
// black: that ring is the frame.
Rect Gauge::PaintRect() const {
    Rect paint{0, 0, width, height};
    if (border_ == GaugeBorder::Single) paint = {1, 1, width - 1, height - 1};
    return paint;
}

void Gauge::DrawKind(GaugeSurface& overlay, const Rect& paint) const {
    const int32_t percent = PercentValue();
    const int frameExtra = border_ == GaugeBorder::Single ? 1 : 0;
    switch (kind_) {
        case GaugeKind::Text: overlay.FillRect(paint, backColour_); break;
        case GaugeKind::HorizontalBar: DrawHorizontalBar(overlay, paint, percent, foreColour_, backColour_); break;
        case GaugeKind::VerticalBar: DrawVerticalBar(overlay, paint, percent, foreColour_, backColour_); break;
        case GaugeKind::Pie: {
            const int discWidth = paint.right - paint.left + frameExtra;
            const int discHeight = paint.bottom - paint.top + frameExtra;
            overlay.FillRect(paint, colour);
            const Rect bounds{paint.left, paint.top, discWidth, discHeight};
            overlay.Ellipse(bounds, foreColour_, backColour_);
            if (percent > 0) {
                const int mx = discWidth / 2;
                const int my = discHeight / 2;
                const double angle = std::numbers::pi * (percent / 50.0 + 0.5);
                const Point start{RoundHalfEven(mx * (1 - std::cos(angle))), RoundHalfEven(my * (1 - std::sin(angle)))};
                overlay.Pie(bounds, start, {mx, 0}, foreColour_, foreColour_);
            }
            break;
        }
        case GaugeKind::Needle: {
            const int x = paint.left;
            const int y = paint.top;
            const int dialWidth = paint.right - paint.left + frameExtra;
            const int dialHeight = paint.bottom - paint.top + frameExtra;
            overlay.FillRect(paint, colour);
            // The upper half of an ellipse twice the height, closed by its diameter.
            overlay.Pie({x, y, dialWidth, 2 * dialHeight - 1}, {x + dialWidth, paint.bottom - 1}, {x, paint.bottom - 1},
                        foreColour_, backColour_);
            overlay.Line({x, paint.bottom}, {x + dialWidth, paint.bottom}, foreColour_);
            if (percent > 0) {
                const int mx = width / 2;  // the gauge's middle, frame included
                const double angle = percent / 100.0 * std::numbers::pi;
                overlay.Line({mx, paint.bottom - 1},
                             {RoundHalfEven(mx * (1 - std::cos(angle))),
                              RoundHalfEven((paint.bottom - 1) * (1 - std::sin(angle)))},
                             foreColour_);
            }
            break;
        }
    }
}

// The text is drawn white on black and inverted onto the image, so every
// text pixel shows the inverse of what lies beneath it.
void Gauge::DrawText(GaugeCanvas& canvas, GaugeSurface& image, const Rect& paint) const {
    if (caption.empty()) return;
    auto text = BlackSurfaceLike(canvas, {width, height});
    const Size extent = text->TextExtent(caption);
    const Point at{(paint.right - paint.left + 1 - extent.width) / 2,
                   (paint.bottom - paint.top + 1 - extent.height) / 2};
    text->Text(at, caption, paint, kWhite);
    image.Draw(*text, RasterOp::SrcInvert);
}

void Gauge::Paint(GaugeCanvas& canvas) const {
    const Size size{width, height};
    auto image = canvas.CreateSurface(size);
    image->CopyOntoItself({0, 0, width, height}, RasterOp::Blackness);
    const Rect paint = PaintRect();
    auto overlay = BlackSurfaceLike(canvas, size);
    DrawKind(*overlay, paint);
    image->Draw(*overlay, RasterOp::SrcInvert);  // the image is black, so it becomes the overlay
    if (showText_) DrawText(canvas, *image, paint);
    canvas.Present(*image);
}

}  // namespace kuvano
