#include "sidebar/bar_dock.h"

namespace kuvano {

// Proposes the strip for the edge, lets the shell move it clear of other
// toolbars, then restores the thickness from the side facing the edge.
void BarDock::Propose(int32_t iti, int32_t gaugeWidth, const std::vector<MonitorRect>& monitors) {
    if (monitors.empty() || iti < 1 || iti > 4) return;
    const MonitorRect& first = monitors.front();
    const MonitorRect& last = monitors.back();
    dpi_ = iti == 4 ? last.dpi : first.dpi;
    gaugeWidth = ScaleToDpi(gaugeWidth, dpi_);
    int totalWidth = 0;
    for (const MonitorRect& monitor : monitors) totalWidth += monitor.width;

    switch (iti) {
        case 1:  // top
            edge_ = AppBarEdge::Top;
            rc_ = {first.left, first.top, first.width, first.top + gaugeWidth};
            shell_.QueryPos(edge_, rc_);
            rc_.bottom = rc_.top + gaugeWidth;
            break;
        case 2:  // bottom, counted from the first monitor's height
            edge_ = AppBarEdge::Bottom;
            rc_ = {first.left, first.height - gaugeWidth, first.width, first.height};
            shell_.QueryPos(edge_, rc_);
            rc_.top = rc_.bottom - gaugeWidth;
            break;
        case 3:  // left
            edge_ = AppBarEdge::Left;
            rc_ = {0, first.top, gaugeWidth, first.height};
            shell_.QueryPos(edge_, rc_);
            rc_.right = rc_.left + gaugeWidth;
            break;
        default:  // right, at the total width of all monitors; left stays from the last docking
            edge_ = AppBarEdge::Right;
            rc_ = {rc_.left, last.top, totalWidth, last.height};
            shell_.QueryPos(edge_, rc_);
            rc_.left = rc_.right - gaugeWidth;
            break;
    }
}

void BarDock::myBarDock(bool renew, int32_t iti, int32_t gaugeWidth, const std::vector<MonitorRect>& monitors) {
    Propose(iti, gaugeWidth, monitors);
    if (renew) {
        shell_.New();
    } else {
        shell_.SetPos(edge_, rc_);
    }
    shell_.MoveWindow(rc_);
}

}  // namespace kuvano
