#pragma once

#include <array>
#include <vector>

#include "platform/unique_handle_win32.h"
#include "tray/tray_pictures.h"

namespace kuvano {

// ImageList1..3: the bar, pie and star pictures as icons, made once at start
// so that a tick only picks one and creates nothing.
class TrayImageLists {
public:
    TrayImageLists();
    HICON Picture(TrayIconKind kind, int32_t index) const;

private:
    std::array<std::vector<UniqueIcon>, 3> lists_;
};

}  // namespace kuvano
