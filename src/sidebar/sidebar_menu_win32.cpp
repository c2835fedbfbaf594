#include "sidebar/sidebar_menu_win32.h"

#include "core/display_scale.h"
#include "platform/failure_report.h"
#include "platform/pixel_bitmap_win32.h"
#include "platform/scoped_win32.h"
#include "platform/wide_text_win32.h"
#include "platform/wine_win32.h"
#include "sidebar/menu_pictures.h"

namespace kuvano {
namespace {

constexpr int kArtSize = 16;

UniqueBitmap MenuBitmap(const PixelImage& picture) {
    UniqueBitmap bitmap = BitmapFromPixels(picture, PremultipliedPixel);
    if (!bitmap) ReportFailure(L"a menu picture");
    return bitmap;
}

}  // namespace

// On Windows each item's picture is a premultiplied 32-bit bitmap, the
// documented way that keeps the system's own look of the menu. Under Wine,
// which copies such a bitmap without blending it, the menu leaves the
// pictures to its owner window instead.
SidebarMenu::SidebarMenu() : menu_(CreatePopupMenu()), themed_(!RunningUnderWine()) {
    MakePictures(kDesignDpi);
    UINT position = 0;
    ULONG_PTR picture = 0;
    for (const MenuItem& item : kMenuItems) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        if (item.caption == u"-") {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else if (item.picture < 0) {
            info.fMask = MIIM_ID | MIIM_STRING;
            info.wID = static_cast<UINT>(item.command);
            info.dwTypeData = const_cast<wchar_t*>(Wide(item.caption).data());
        } else {
            info.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP | MIIM_DATA;
            info.wID = static_cast<UINT>(item.command);
            info.dwTypeData = const_cast<wchar_t*>(Wide(item.caption).data());
            info.hbmpItem = ItemBitmap(picture);
            info.dwItemData = picture++;
        }
        InsertMenuItemW(menu_.get(), position++, TRUE, &info);
    }
}

HBITMAP SidebarMenu::ItemBitmap(size_t picture) const {
    return themed_ ? pictures_.at(picture).get() : HBMMENU_CALLBACK;
}

// In the order of the items that have one.
void SidebarMenu::MakePictures(int dpi) {
    const int size = ScaleToDpi(kArtSize, dpi);
    if (size == pictureSize_) return;
    const std::vector<PixelImage> art = MenuPictures();
    pictures_.clear();
    for (const MenuItem& item : kMenuItems) {
        if (item.picture < 0) continue;
        pictures_.push_back(MenuBitmap(FitByWholeSteps(art.at(static_cast<size_t>(item.picture)), size, size)));
    }
    pictureSize_ = size;
}

void SidebarMenu::PrepareFor(int dpi) {
    if (ScaleToDpi(kArtSize, dpi) == pictureSize_) return;
    MakePictures(dpi);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_BITMAP;
    size_t picture = 0;
    for (UINT position = 0; position < kMenuItems.size(); ++position) {
        if (kMenuItems[position].picture < 0) continue;
        info.hbmpItem = ItemBitmap(picture++);
        SetMenuItemInfoW(menu_.get(), position, TRUE, &info);
    }
}

void SidebarMenu::Check(MenuCommand command, bool checked) const {
    CheckMenuItem(menu_.get(), static_cast<UINT>(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SidebarMenu::MeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU) return;
    item.itemWidth = static_cast<UINT>(pictureSize_);
    item.itemHeight = static_cast<UINT>(pictureSize_);
}

// Blended over the background the menu has already painted, plain or
// highlighted, in the middle of the place it gives.
void SidebarMenu::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || reinterpret_cast<HMENU>(item.hwndItem) != menu_.get()) return;
    const UniqueMemoryDc source(CreateCompatibleDC(item.hDC));
    const SelectedObject picture(source.get(), pictures_[item.itemData].get());
    const int size = pictureSize_;
    const int left = (item.rcItem.left + item.rcItem.right - size) / 2;
    const int top = (item.rcItem.top + item.rcItem.bottom - size) / 2;
    if (!GdiAlphaBlend(item.hDC, left, top, size, size, source.get(), 0, 0, size, size,
                       {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA})) {
        ReportFailure(L"drawing a menu picture");
    }
}

}  // namespace kuvano
