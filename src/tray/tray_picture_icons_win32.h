#pragma once

#include <array>
#include <vector>

#include "platform/scoped_win32.h"
#include "tray/tray_pictures.h"

namespace kuvano {

// The bar, pie and star pictures as icons of the taskbar's size, made at
// start and when the scale changes, so that a beat only picks one and
// creates nothing.
class TrayPictureIcons {
public:
    explicit TrayPictureIcons(int iconSize);
    HICON Picture(TrayPictureKind kind, int32_t index) const;

private:
    std::array<std::vector<UniqueIcon>, 3> lists_;
};

}  // namespace kuvano
