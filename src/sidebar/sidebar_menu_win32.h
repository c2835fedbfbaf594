#pragma once

#include <windows.h>

#include <vector>

#include "platform/scoped_win32.h"
#include "sidebar/sidebar_menu.h"

namespace kuvano {

// The program's one menu, which the sidebar and the tray icon open, with a
// picture beside each command. Where the system would not blend the
// pictures, the menu leaves them to its owner window, which passes
// WM_MEASUREITEM and WM_DRAWITEM for menus on here.
class SidebarMenu {
public:
    SidebarMenu();
    HMENU Handle() const { return menu_.get(); }

    // Before each showing, for the scale of the monitor it opens on. A menu
    // keeps its items' first measure: at a new scale the pictures are made
    // anew and every item is measured again.
    void PrepareFor(int dpi);
    // A choice's check mark.
    void Check(MenuCommand command, bool checked) const;
    void MeasureItem(MEASUREITEMSTRUCT& item) const;
    void DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    void MakePictures(int dpi);
    HBITMAP ItemBitmap(size_t picture) const;

    UniqueMenu menu_;
    bool themed_;
    std::vector<UniqueBitmap> pictures_;  // the items' data are indexes into these
    int pictureSize_ = 0;
};

}  // namespace kuvano
