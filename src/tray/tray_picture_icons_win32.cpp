#include "tray/tray_picture_icons_win32.h"

#include "platform/icon_from_pixels_win32.h"

namespace kuvano {

TrayPictureIcons::TrayPictureIcons(int iconSize) {
    for (const TrayPictureKind kind : {TrayPictureKind::Bar, TrayPictureKind::Pie, TrayPictureKind::Star}) {
        for (const PixelImage& picture : TrayPictures(kind)) {
            lists_[static_cast<size_t>(kind)].push_back(IconFromPixels(FitByWholeSteps(picture, iconSize, iconSize)));
        }
    }
}

HICON TrayPictureIcons::Picture(TrayPictureKind kind, int32_t index) const {
    const auto& list = lists_.at(static_cast<size_t>(kind));
    return list.at(static_cast<size_t>(index)).get();
}

}  // namespace kuvano
