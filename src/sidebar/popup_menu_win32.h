#pragma once

#include <windows.h>

#include <vector>

#include "platform/unique_handle_win32.h"

namespace kuvano {

// PopupMenu1: the sidebar's menu, which is also the tray icon's, with a
// picture beside each command.
class PopupMenu1 {
public:
    PopupMenu1();
    HMENU Handle() const { return menu_.get(); }

private:
    UniqueMenu menu_;
    std::vector<UniqueBitmap> pictures_;  // live as long as the menu shows them
};

}  // namespace kuvano
