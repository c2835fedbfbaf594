#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/display_scale.h"
#include "core/geometry.h"
#include "core/settings.h"

namespace kuvano {

// The shell's edge codes for a desktop toolbar.
enum class AppBarEdge : uint32_t { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// A monitor's full rectangle, not its work area, in the virtual screen's
// coordinates: a monitor left of or above the primary one has negative ones.
struct MonitorRect {
    Rect area;
    int dpi = kDesignDpi;
    bool primary = false;
};

// The shell's side of a desktop toolbar, as Windows documents it. The
// queries write the adjusted rectangle back.
class AppBarShell {
public:
    virtual ~AppBarShell() = default;
    virtual void New() = 0;
    virtual void Remove() = 0;
    virtual void QueryPos(AppBarEdge edge, Rect& rc) = 0;
    virtual void SetPos(AppBarEdge edge, Rect& rc) = 0;
    virtual void MoveWindow(const Rect& rc) = 0;
};

// The monitor a strip at the edge lies on: the primary one for the left, top
// and bottom edges; for the right edge the one whose right edge lies furthest
// right, on a tie the primary, then the highest, then the first listed.
// Nothing for no monitors.
std::optional<MonitorRect> MonitorForEdge(SidebarEdge edge, const std::vector<MonitorRect>& monitors);

// The sidebar's strip at a screen edge: its rectangle for each edge, negotiated
// with the shell. Rect here is the toolbar record's (left, top, right, bottom).
class BarDock {
public:
    // Docks at the edge with the given thickness at 100 %, scaled for the DPI
    // of the monitor the strip lies on: proposes the strip, lets the shell
    // move it clear of other toolbars, reserves it and moves the window
    // there. An edge with no name keeps the previous rectangle.
    void Dock(AppBarShell& shell, SidebarEdge edge, int32_t thickness, const std::vector<MonitorRect>& monitors);
    // The shell's notice that the taskbar or another toolbar changed: as
    // Dock, but a strip that stays where it is is neither reserved nor moved
    // again, so that two toolbars cannot keep notifying each other.
    void Follow(AppBarShell& shell, SidebarEdge edge, int32_t thickness, const std::vector<MonitorRect>& monitors);

    AppBarEdge Edge() const { return edge_; }
    const Rect& Rectangle() const { return rc_; }
    // The DPI of the monitor the strip was last docked on, and its area.
    int Dpi() const { return monitor_.dpi; }
    const Rect& MonitorArea() const { return monitor_.area; }

private:
    std::optional<Rect> Propose(AppBarShell& shell, SidebarEdge edge, int32_t thickness,
                                const std::vector<MonitorRect>& monitors);
    void Reserve(AppBarShell& shell);

    AppBarEdge edge_ = AppBarEdge::Left;
    Rect rc_{};  // kept between dockings
    MonitorRect monitor_{};
};

// Where the strip belongs when the shell says that a full-screen program
// opened or closed. The notice names no monitor: the foreground window
// (none when it is the program's own) tells whether it covers the strip's.
enum class StripLayer { Unchanged, Topmost, Bottom };
StripLayer LayerForFullScreen(bool opening, const std::optional<Rect>& foreground, const Rect& stripMonitor);

}  // namespace kuvano
