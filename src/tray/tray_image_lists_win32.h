#pragma once

#include <array>
#include <vector>

#include "platform/unique_handle_win32.h"
#include "tray/tray_pictures.h"

namespace kuvano {

// ImageList1..3: the bar, pie and star pictures as icons of the taskbar's
// size, made at start and when the scale changes, so that a tick only picks
// one and creates nothing.
class TrayImageLists {
public:
    explicit TrayImageLists(int iconSize);
    HICON Picture(TrayIconKind kind, int32_t index) const;

private:
    std::array<std::vector<UniqueIcon>, 3> lists_;
};

}  // namespace kuvano
