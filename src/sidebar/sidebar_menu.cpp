#include "sidebar/sidebar_menu.h"

namespace kuvano {

std::optional<SidebarEdge> EdgeOf(MenuCommand command) {
    switch (command) {
        case MenuCommand::DockTop: return SidebarEdge::Top;
        case MenuCommand::DockBottom: return SidebarEdge::Bottom;
        case MenuCommand::DockLeft: return SidebarEdge::Left;
        case MenuCommand::DockRight: return SidebarEdge::Right;
        default: return std::nullopt;
    }
}

GaugeStyle OtherStyle(GaugeStyle style) {
    return style == GaugeStyle::Pies ? GaugeStyle::Bars : GaugeStyle::Pies;
}

}  // namespace kuvano
