#include "sidebar/popup_menu_win32.h"

#include "platform/failure_report_win32.h"
#include "sidebar/menu_pictures.h"
#include "sidebar/sidebar_menu.h"

namespace kuvano {
namespace {

// Menus blend a 32-bit picture with premultiplied alpha onto the item's own
// background, plain or highlighted: transparent pixels are all zero.
UniqueBitmap MenuBitmap(const PixelImage& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down, as the pixels
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        ReportFailure(L"a menu picture");
        return bitmap;
    }
    auto* pixel = static_cast<uint32_t*>(bits);
    for (const Rgba& p : picture.pixels) {
        const auto scaled = [&p](uint8_t channel) { return uint32_t{channel} * p.a / 255; };
        *pixel++ = uint32_t{p.a} << 24 | scaled(p.r) << 16 | scaled(p.g) << 8 | scaled(p.b);
    }
    return bitmap;
}

}  // namespace

PopupMenu1::PopupMenu1() : menu_(CreatePopupMenu()) {
    const std::vector<PixelImage> pictures = PopupMenuPictures();
    UINT position = 0;
    for (const SidebarMenuItem& item : kSidebarMenu) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        if (item.caption == u"-") {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            pictures_.push_back(MenuBitmap(pictures.at(static_cast<size_t>(item.picture))));
            info.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP;
            info.wID = static_cast<UINT>(item.command);
            info.dwTypeData = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(item.caption.data()));
            info.hbmpItem = pictures_.back().get();
        }
        InsertMenuItemW(menu_.get(), position++, TRUE, &info);
    }
}

}  // namespace kuvano
