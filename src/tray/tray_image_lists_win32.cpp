#include "tray/tray_image_lists_win32.h"

#include "platform/icon_from_pixels_win32.h"

namespace kuvano {

TrayImageLists::TrayImageLists(int iconSize) {
    for (const TrayIconKind kind : {TrayIconKind::Bar, TrayIconKind::Pie, TrayIconKind::Star}) {
        for (const PixelImage& picture : TrayPictures(kind)) {
            lists_[static_cast<size_t>(kind)].push_back(IconFromPixels(FitByWholeSteps(picture, iconSize, iconSize)));
        }
    }
}

HICON TrayImageLists::Picture(TrayIconKind kind, int32_t index) const {
    const auto& list = lists_.at(static_cast<size_t>(kind));
    return list.at(static_cast<size_t>(index)).get();
}

}  // namespace kuvano
