#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "sidebar/gauge_canvas.h"

namespace kuvano {

enum class TMyGaugeKind : uint8_t { gkText = 0, gkHorizontalBar = 1, gkVerticalBar = 2, gkPie = 3, gkNeedle = 4 };
enum class TBorderStyle : uint8_t { bsNone = 0, bsSingle = 1 };

// Raised by the range setters; the stored values stay as they were.
class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A windowless gauge: one value within a range, drawn as a bar, a pie, a
// needle dial or a plain box, with a caption of its own. The window that
// holds it paints it, and `Repaint` asks that window to do so at once.
class TMyGauge {
public:
    std::function<void()> Repaint;

    std::string Name;
    int Left = 0;
    int Top = 0;
    int Width = 100;
    int Height = 100;
    TColor Color = clWindow;  // behind the pie and the needle
    std::u16string MyMoj;     // the caption; a new one shows at the next paint
    std::u16string Hint;
    bool Visible = true;
    bool MylButtonDown = false;

    int32_t MinValue() const { return minValue_; }
    int32_t MaxValue() const { return maxValue_; }
    int32_t Progress() const { return progress_; }
    TMyGaugeKind Kind() const { return kind_; }
    bool ShowText() const { return showText_; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    TColor ForeColor() const { return foreColor_; }
    TColor BackColor() const { return backColor_; }

    void SetMinValue(int32_t value);
    void SetMaxValue(int32_t value);
    // Clamped to the range; repaints only when the percentage changes.
    void SetProgress(int32_t value);
    void SetKind(TMyGaugeKind value) { SetAndRepaint(kind_, value); }
    void SetShowText(bool value) { SetAndRepaint(showText_, value); }
    void SetBorderStyle(TBorderStyle value) { SetAndRepaint(borderStyle_, value); }
    void SetForeColor(TColor value) { SetAndRepaint(foreColor_, value); }
    void SetBackColor(TColor value) { SetAndRepaint(backColor_, value); }

    // Progress within the range as a whole percentage, truncated; 0 for an empty range.
    int32_t PercentValue() const;

    // Builds the picture off screen and hands it to the canvas in one copy.
    void Paint(GaugeCanvas& canvas) const;

    // A click needs the press and the release on the control: a release
    // whose press happened elsewhere is dropped. Returns whether OnClick fires.
    void LeftButtonDown() { MylButtonDown = true; }
    bool LeftButtonUp(bool releasedInside);

private:
    template <typename T>
    void SetAndRepaint(T& field, T value) {
        if (field == value) return;
        field = value;
        RepaintNow();
    }
    void RepaintNow() const {
        if (Repaint) Repaint();
    }
    Rect PaintRect() const;
    void DrawKind(GaugeSurface& overlay, const Rect& paint) const;
    void DrawText(GaugeCanvas& canvas, GaugeSurface& image, const Rect& paint) const;

    int32_t minValue_ = 0;
    int32_t maxValue_ = 100;
    int32_t progress_ = 0;
    TMyGaugeKind kind_ = TMyGaugeKind::gkHorizontalBar;
    bool showText_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TColor foreColor_ = clBlack;
    TColor backColor_ = clWhite;
};

// Bars: `length` scaled by `percent` percent, in extended precision, truncated.
int LengthForPercent(int length, int32_t percent);

}  // namespace kuvano
