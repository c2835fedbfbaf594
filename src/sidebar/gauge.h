#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "sidebar/gauge_canvas.h"

namespace kuvano {

enum class GaugeKind : uint8_t { Text, HorizontalBar, VerticalBar, Pie, Needle };
enum class GaugeBorder : uint8_t { None, Single };

// Raised by the range setters; the stored values stay as they were.
class GaugeRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A windowless gauge: one value within a range, drawn as a bar, a pie, a
// needle dial or a plain box, with a caption of its own. The window that
// holds it paints it, and `repaint` asks that window to do so at once.
class Gauge {
public:
    std::function<void()> repaint;

    int left = 0;
    int top = 0;
    int width = 100;
    int height = 100;
    Colour colour = kSystemWindow;  // behind the pie and the needle
    std::u16string caption;         // a new one shows at the next paint
    std::u16string hint;
    bool visible = true;
    bool armed = false;  // pressed, waiting for the release that clicks it

    int32_t MinValue() const { return minValue_; }
    int32_t MaxValue() const { return maxValue_; }
    int32_t Progress() const { return progress_; }
    GaugeKind Kind() const { return kind_; }
    bool ShowText() const { return showText_; }
    GaugeBorder Border() const { return border_; }
    Colour ForeColour() const { return foreColour_; }
    Colour BackColour() const { return backColour_; }

    void SetMinValue(int32_t value);
    void SetMaxValue(int32_t value);
    // Clamped to the range; repaints only when the percentage changes.
    void SetProgress(int32_t value);
    void SetKind(GaugeKind value) { SetAndRepaint(kind_, value); }
    void SetShowText(bool value) { SetAndRepaint(showText_, value); }
    void SetBorder(GaugeBorder value) { SetAndRepaint(border_, value); }
    void SetForeColour(Colour value) { SetAndRepaint(foreColour_, value); }
    void SetBackColour(Colour value) { SetAndRepaint(backColour_, value); }

    // Progress within the range as a whole percentage, truncated; 0 for an empty range.
    int32_t PercentValue() const;

    // Builds the picture off screen and hands it to the canvas in one copy.
    void Paint(GaugeCanvas& canvas) const;

    // A click needs the press and the release on the gauge: a release whose
    // press happened elsewhere is dropped. Returns whether it clicked.
    void LeftButtonDown() { armed = true; }
    bool LeftButtonUp(bool releasedInside);

private:
    template <typename T>
    void SetAndRepaint(T& field, T value) {
        if (field == value) return;
        field = value;
        RepaintNow();
    }
    void RepaintNow() const {
        if (repaint) repaint();
    }
    Rect PaintRect() const;
    void DrawKind(GaugeSurface& overlay, const Rect& paint) const;
    void DrawText(GaugeCanvas& canvas, GaugeSurface& image, const Rect& paint) const;

    int32_t minValue_ = 0;
    int32_t maxValue_ = 100;
    int32_t progress_ = 0;
    GaugeKind kind_ = GaugeKind::HorizontalBar;
    bool showText_ = true;
    GaugeBorder border_ = GaugeBorder::Single;
    Colour foreColour_ = kBlack;
    Colour backColour_ = kWhite;
};

// Bars: `length` scaled by `percent` percent, in extended precision, truncated.
int LengthForPercent(int length, int32_t percent);

}  // namespace kuvano
