#include "sidebar/sidebar_menu.h"

namespace kuvano {

int32_t EdgeOf(SidebarCommand command) {
    switch (command) {
        case SidebarCommand::popUe: return 1;
        case SidebarCommand::popSita: return 2;
        case SidebarCommand::pmHidarihasi: return 3;
        case SidebarCommand::pmMigihasi: return 4;
        default: return 0;
    }
}

void SwitchBarsAndPies(Settings& settings) {
    settings.enGrf = !settings.enGrf;
    settings.GaugeWidth = GaugeWidthFor(settings.enGrf);
}

}  // namespace kuvano
