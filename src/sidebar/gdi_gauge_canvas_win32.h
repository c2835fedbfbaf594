#pragma once

#include <windows.h>

#include "sidebar/gauge_canvas.h"

namespace kuvano {

// Paints gauges with GDI: each surface is a memory bitmap compatible with the
// target, and the finished picture goes to the target at `origin` in one copy.
class GdiGaugeCanvas final : public GaugeCanvas {
public:
    GdiGaugeCanvas(HDC target, POINT origin, HFONT font) : target_(target), origin_(origin), font_(font) {}

    std::unique_ptr<GaugeSurface> CreateSurface(Size size) override;
    void Present(const GaugeSurface& image) override;

private:
    HDC target_;
    POINT origin_;
    HFONT font_;
};

// The RGB value of a colour, resolving system colours.
COLORREF ColourRefOf(Colour colour);

}  // namespace kuvano
