#pragma once

#include <windows.h>

#include "sidebar/sidebar_menu.h"

namespace kuvano {

class TForm3;

// The windows the menu's application commands reach.
struct ApplicationWindows {
    HWND form1;
    HWND form2;
    TForm3& form3;
    HWND form5;
};

// The menu's commands that are not the sidebar's own: show the settings
// panel, the folder size panel or the help window, or end the program.
void RouteApplicationCommand(SidebarCommand command, const ApplicationWindows& windows);

}  // namespace kuvano
