#include "sidebar/bar_dock.h"

namespace kuvano {

// Proposes the strip for the edge, lets the shell move it clear of other
// toolbars, then restores the thickness from the side facing the edge.
void BarDock::Propose(AppBarShell& shell, SidebarEdge edge, int32_t thickness,
                      const std::vector<MonitorRect>& monitors) {
    if (monitors.empty() || !IsNamed(edge)) return;
    const MonitorRect& first = monitors.front();
    const MonitorRect& last = monitors.back();
    dpi_ = edge == SidebarEdge::Right ? last.dpi : first.dpi;
    thickness = ScaleToDpi(thickness, dpi_);
    int totalWidth = 0;
    for (const MonitorRect& monitor : monitors) totalWidth += monitor.width;

    switch (edge) {
        case SidebarEdge::Top:
            edge_ = AppBarEdge::Top;
            rc_ = {first.left, first.top, first.width, first.top + thickness};
            shell.QueryPos(edge_, rc_);
            rc_.bottom = rc_.top + thickness;
            break;
        case SidebarEdge::Bottom:  // counted from the first monitor's height
            edge_ = AppBarEdge::Bottom;
            rc_ = {first.left, first.height - thickness, first.width, first.height};
            shell.QueryPos(edge_, rc_);
            rc_.top = rc_.bottom - thickness;
            break;
        case SidebarEdge::Left:
            edge_ = AppBarEdge::Left;
            rc_ = {0, first.top, thickness, first.height};
            shell.QueryPos(edge_, rc_);
            rc_.right = rc_.left + thickness;
            break;
        default:  // right, at the total width of all monitors; left stays from the last docking
            edge_ = AppBarEdge::Right;
            rc_ = {rc_.left, last.top, totalWidth, last.height};
            shell.QueryPos(edge_, rc_);
            rc_.left = rc_.right - thickness;
            break;
    }
}

void BarDock::Dock(AppBarShell& shell, bool renew, SidebarEdge edge, int32_t thickness,
                   const std::vector<MonitorRect>& monitors) {
    Propose(shell, edge, thickness, monitors);
    if (renew) {
        shell.New();
    } else {
        shell.SetPos(edge_, rc_);
    }
    shell.MoveWindow(rc_);
}

}  // namespace kuvano
