#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/geometry.h"

namespace kuvano {

// A colour 0x00BBGGRR, red in the low byte; 0x80000000 + n names system colour n.
using Colour = uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kSystemWindow = 0x80000005;
inline constexpr Colour kSystemWindowFrame = 0x80000006;

// How a copy combines the source with what the target holds.
enum class RasterOp : uint32_t { Blackness = 0x00000042, SrcCopy = 0x00CC0020, SrcInvert = 0x00660046 };

// One off-screen bitmap of a paint, with the drawing calls a gauge needs.
class GaugeSurface {
public:
    virtual ~GaugeSurface() = default;
    virtual void FillRect(const Rect& rect, Colour colour) = 0;
    virtual void Ellipse(const Rect& bounds, Colour pen, Colour brush) = 0;
    // Counter-clockwise from the radial through `start` to the one through `end`.
    virtual void Pie(const Rect& bounds, Point start, Point end, Colour pen, Colour brush) = 0;
    virtual void Line(Point from, Point to, Colour pen) = 0;
    virtual Size TextExtent(std::u16string_view text) = 0;
    // Transparent background, clipped to `clip`.
    virtual void Text(Point at, std::u16string_view text, const Rect& clip, Colour colour) = 0;
    // The whole of `source` onto this surface at (0, 0).
    virtual void Draw(const GaugeSurface& source, RasterOp op) = 0;
    // This surface onto itself: BLACKNESS makes it black.
    virtual void CopyOntoItself(const Rect& rect, RasterOp op) = 0;
};

// Where a gauge paints: it makes the off-screen bitmaps and takes the
// finished picture in one copy.
class GaugeCanvas {
public:
    virtual ~GaugeCanvas() = default;
    virtual std::unique_ptr<GaugeSurface> CreateSurface(Size size) = 0;
    virtual void Present(const GaugeSurface& image) = 0;
};

}  // namespace kuvano
