#include "sidebar/bar_dock.h"

#include <tuple>

namespace kuvano {
namespace {

// Which of two monitors holds a right strip: the right edge furthest right,
// then the primary, then the highest; equal ones keep the listing's order.
bool BetterForRight(const MonitorRect& a, const MonitorRect& b) {
    return std::tuple(a.area.right, a.primary, -a.area.top) > std::tuple(b.area.right, b.primary, -b.area.top);
}

}  // namespace

std::optional<MonitorRect> MonitorForEdge(SidebarEdge edge, const std::vector<MonitorRect>& monitors) {
    if (monitors.empty()) return std::nullopt;
    const MonitorRect* chosen = &monitors.front();
    for (const MonitorRect& monitor : monitors) {
        const bool better =
            edge == SidebarEdge::Right ? BetterForRight(monitor, *chosen) : monitor.primary && !chosen->primary;
        if (better) chosen = &monitor;
    }
    return *chosen;
}

// The strip at the monitor's own edge, moved clear of other toolbars by the
// shell, with the thickness restored from the side facing the edge.
std::optional<Rect> BarDock::Propose(AppBarShell& shell, SidebarEdge edge, int32_t thickness,
                                     const std::vector<MonitorRect>& monitors) {
    const std::optional<MonitorRect> monitor = IsNamed(edge) ? MonitorForEdge(edge, monitors) : std::nullopt;
    if (!monitor) return std::nullopt;
    monitor_ = *monitor;
    thickness = ScaleToDpi(thickness, monitor_.dpi);
    const Rect& m = monitor_.area;
    Rect rc;
    switch (edge) {
        case SidebarEdge::Top:
            edge_ = AppBarEdge::Top;
            rc = {m.left, m.top, m.right, m.top + thickness};
            shell.QueryPos(edge_, rc);
            rc.bottom = rc.top + thickness;
            break;
        case SidebarEdge::Bottom:
            edge_ = AppBarEdge::Bottom;
            rc = {m.left, m.bottom - thickness, m.right, m.bottom};
            shell.QueryPos(edge_, rc);
            rc.top = rc.bottom - thickness;
            break;
        case SidebarEdge::Left:
            edge_ = AppBarEdge::Left;
            rc = {m.left, m.top, m.left + thickness, m.bottom};
            shell.QueryPos(edge_, rc);
            rc.right = rc.left + thickness;
            break;
        default:
            edge_ = AppBarEdge::Right;
            rc = {m.right - thickness, m.top, m.right, m.bottom};
            shell.QueryPos(edge_, rc);
            rc.left = rc.right - thickness;
            break;
    }
    return rc;
}

void BarDock::Reserve(AppBarShell& shell) {
    shell.SetPos(edge_, rc_);
    shell.MoveWindow(rc_);
}

void BarDock::Dock(AppBarShell& shell, SidebarEdge edge, int32_t thickness, const std::vector<MonitorRect>& monitors) {
    if (const std::optional<Rect> proposed = Propose(shell, edge, thickness, monitors)) rc_ = *proposed;
    Reserve(shell);
}

void BarDock::Follow(AppBarShell& shell, SidebarEdge edge, int32_t thickness,
                     const std::vector<MonitorRect>& monitors) {
    const std::optional<Rect> proposed = Propose(shell, edge, thickness, monitors);
    if (!proposed || *proposed == rc_) return;
    rc_ = *proposed;
    Reserve(shell);
}

StripLayer LayerForFullScreen(bool opening, const std::optional<Rect>& foreground, const Rect& stripMonitor) {
    if (!opening) return StripLayer::Topmost;
    if (!foreground) return StripLayer::Unchanged;
    const bool covers = foreground->left <= stripMonitor.left && foreground->top <= stripMonitor.top &&
                        foreground->right >= stripMonitor.right && foreground->bottom >= stripMonitor.bottom;
    return covers ? StripLayer::Bottom : StripLayer::Unchanged;
}

}  // namespace kuvano
