#include "sidebar/popup_menu_win32.h"

#include "sidebar/menu_pictures.h"
#include "sidebar/sidebar_menu.h"

namespace kuvano {
namespace {

// Transparent pixels take the menu's own colour: not every system draws a
// menu bitmap's alpha.
UniqueBitmap MenuBitmap(const PixelImage& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return bitmap;
    const COLORREF menu = GetSysColor(COLOR_MENU);
    const Rgba background{GetRValue(menu), GetGValue(menu), GetBValue(menu), 255};
    auto* pixel = static_cast<uint32_t*>(bits);
    for (const Rgba& p : picture.pixels) {
        const Rgba shown = p.a == 0 ? background : p;
        *pixel++ = 0xFF000000u | uint32_t{shown.r} << 16 | uint32_t{shown.g} << 8 | shown.b;
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
