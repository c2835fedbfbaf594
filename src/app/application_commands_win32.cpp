#include "app/application_commands_win32.h"

#include "help/help_window_win32.h"
#include "platform/form_helpers_win32.h"

namespace kuvano {

void RouteApplicationCommand(SidebarCommand command, const ApplicationWindows& windows) {
    switch (command) {
        case SidebarCommand::pmSetei:
            ShowWindow(windows.form2, SW_SHOW);
            BringToFront(windows.form2);
            break;
        case SidebarCommand::pmFolSiz:
            if (!IsWindowVisible(windows.form5)) ShowWindow(windows.form5, SW_SHOW);
            break;
        case SidebarCommand::pop4vajhel: windows.form3.ShowHelp(); break;
        case SidebarCommand::pmBarSyuryo: PostMessageW(windows.form1, WM_CLOSE, 0, 0); break;
        default: break;
    }
}

}  // namespace kuvano
