#pragma once

#include <windows.h>

#include <vector>

#include "platform/unique_handle_win32.h"

namespace kuvano {

// PopupMenu1: the sidebar's menu, which is also the tray icon's, with a
// picture beside each command. The menu leaves the pictures to its owner
// window, which passes WM_MEASUREITEM and WM_DRAWITEM for menus on here.
class PopupMenu1 {
public:
    PopupMenu1();
    HMENU Handle() const { return menu_.get(); }

    // Before each showing, for the scale of the monitor it opens on. A menu
    // keeps its items' first measure: at a new scale the pictures are made
    // anew and every item is measured again.
    void PrepareFor(int dpi);
    void MeasureItem(MEASUREITEMSTRUCT& item) const;
    void DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    void MakePictures(int dpi);

    UniqueMenu menu_;
    std::vector<UniqueBitmap> pictures_;  // the items' data are indexes into these
    int pictureSize_ = 0;
};

}  // namespace kuvano
