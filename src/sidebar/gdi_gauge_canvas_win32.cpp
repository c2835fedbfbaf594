#include "sidebar/gdi_gauge_canvas_win32.h"

#include "platform/scoped_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

class GdiSurface final : public GaugeSurface {
public:
    GdiSurface(HDC compatibleWith, Size size, HFONT font)
        : size_(size),
          dc_(CreateCompatibleDC(compatibleWith)),
          bitmap_(CreateCompatibleBitmap(compatibleWith, size.width, size.height)),
          bitmapScope_(dc_.get(), bitmap_.get()),
          fontScope_(dc_.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT)) {}

    HDC Dc() const { return dc_.get(); }
    Size Extent() const { return size_; }

    void FillRect(const Rect& rect, Colour colour) override {
        const UniqueBrush brush(CreateSolidBrush(ColourRefOf(colour)));
        const RECT area{rect.left, rect.top, rect.right, rect.bottom};
        ::FillRect(Dc(), &area, brush.get());
    }
    void Ellipse(const Rect& bounds, Colour pen, Colour brush) override {
        const UniquePen outline(CreatePen(PS_SOLID, 1, ColourRefOf(pen)));
        const UniqueBrush fill(CreateSolidBrush(ColourRefOf(brush)));
        const SelectedObject penScope(Dc(), outline.get());
        const SelectedObject brushScope(Dc(), fill.get());
        ::Ellipse(Dc(), bounds.left, bounds.top, bounds.right, bounds.bottom);
    }
    void Pie(const Rect& bounds, Point start, Point end, Colour pen, Colour brush) override {
        const UniquePen outline(CreatePen(PS_SOLID, 1, ColourRefOf(pen)));
        const UniqueBrush fill(CreateSolidBrush(ColourRefOf(brush)));
        const SelectedObject penScope(Dc(), outline.get());
        const SelectedObject brushScope(Dc(), fill.get());
        ::Pie(Dc(), bounds.left, bounds.top, bounds.right, bounds.bottom, start.x, start.y, end.x, end.y);
    }
    void Line(Point from, Point to, Colour pen) override {
        const UniquePen stroke(CreatePen(PS_SOLID, 1, ColourRefOf(pen)));
        const SelectedObject penScope(Dc(), stroke.get());
        MoveToEx(Dc(), from.x, from.y, nullptr);
        LineTo(Dc(), to.x, to.y);
    }
    Size TextExtent(std::u16string_view text) override {
        SIZE extent{};
        GetTextExtentPoint32W(Dc(), Wide(text).data(), static_cast<int>(text.size()), &extent);
        return {extent.cx, extent.cy};
    }
    void Text(Point at, std::u16string_view text, const Rect& clip, Colour colour) override {
        SetBkMode(Dc(), TRANSPARENT);
        SetTextColor(Dc(), ColourRefOf(colour));
        const RECT area{clip.left, clip.top, clip.right, clip.bottom};
        ExtTextOutW(Dc(), at.x, at.y, ETO_CLIPPED, &area, Wide(text).data(), static_cast<UINT>(text.size()), nullptr);
    }
    void Draw(const GaugeSurface& source, RasterOp op) override {
        const auto& from = static_cast<const GdiSurface&>(source);
        BitBlt(Dc(), 0, 0, from.size_.width, from.size_.height, from.Dc(), 0, 0, static_cast<DWORD>(op));
    }
    void CopyOntoItself(const Rect& rect, RasterOp op) override {
        BitBlt(Dc(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, Dc(), rect.left, rect.top,
               static_cast<DWORD>(op));
    }

private:
    Size size_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    SelectedObject bitmapScope_;  // released before the bitmap and the DC go
    SelectedObject fontScope_;
};

}  // namespace

COLORREF ColourRefOf(Colour colour) {
    if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0x00FFFFFFu;  // 0x00BBGGRR is already a COLORREF
}

std::unique_ptr<GaugeSurface> GdiGaugeCanvas::CreateSurface(Size size) {
    return std::make_unique<GdiSurface>(target_, size, font_);
}

void GdiGaugeCanvas::Present(const GaugeSurface& image) {
    const auto& surface = static_cast<const GdiSurface&>(image);
    BitBlt(target_, origin_.x, origin_.y, surface.Extent().width, surface.Extent().height, surface.Dc(), 0, 0, SRCCOPY);
}

}  // namespace kuvano
