#pragma once

#include <cstdint>
#include <vector>

#include "core/display_scale.h"
#include "core/geometry.h"
#include "core/settings.h"

namespace kuvano {

// The shell's edge codes for a desktop toolbar.
enum class AppBarEdge : uint32_t { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// A monitor's full rectangle, not its work area.
struct MonitorRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int dpi = kDesignDpi;
};

// The shell's side of a desktop toolbar. The queries write the adjusted
// rectangle back; their results are not looked at.
class AppBarShell {
public:
    virtual ~AppBarShell() = default;
    virtual void New() = 0;
    virtual void Remove() = 0;
    virtual void QueryPos(AppBarEdge edge, Rect& rc) = 0;
    virtual void SetPos(AppBarEdge edge, Rect& rc) = 0;
    virtual void MoveWindow(const Rect& rc) = 0;
};

// The sidebar's strip at a screen edge: its rectangle for each edge, negotiated
// with the shell. Rect here is the toolbar record's (left, top, right, bottom).
class BarDock {
public:
    // Docks at the edge with the given thickness at 100 %, scaled for the DPI
    // of the monitor the strip lies on (the first, or the last for the right
    // edge). `renew` registers anew instead of reserving, as after a shell
    // notification. An edge with no name keeps the previous rectangle.
    void Dock(AppBarShell& shell, bool renew, SidebarEdge edge, int32_t thickness,
              const std::vector<MonitorRect>& monitors);

    AppBarEdge Edge() const { return edge_; }
    const Rect& Rectangle() const { return rc_; }
    // The DPI of the monitor the strip was last docked on.
    int Dpi() const { return dpi_; }

private:
    void Propose(AppBarShell& shell, SidebarEdge edge, int32_t thickness, const std::vector<MonitorRect>& monitors);

    AppBarEdge edge_ = AppBarEdge::Left;
    Rect rc_{};  // kept between dockings
    int dpi_ = kDesignDpi;
};

}  // namespace kuvano
