#include "core/refresh_clock.h"

namespace kuvano {

// The first second-beat comes a second after the clock starts.
EnumSet<Refresh> RefreshClock::Beat(bool sidebarShown, bool settingsPanelShown) {
    EnumSet<Refresh> due{Refresh::Tray};
    if (++beats_ % 2 != 0) return due;
    due.Add(Refresh::DriveLetters);
    if (sidebarShown) due.Add(Refresh::Sidebar);
    if (settingsPanelShown) due.Add(Refresh::SettingsPanel);
    return due;
}

}  // namespace kuvano
