#include "sidebar/bar_dock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kuvano {
namespace {

// A shell with a taskbar that keeps the strip clear of it on either end.
class FakeShell final : public AppBarShell {
public:
    int taskbarBottomAtTop = 0;        // the top strip must start at or below this
    int taskbarTopAtBottom = 1 << 30;  // the bottom strip must end at or above this
    std::vector<std::string> calls;
    std::vector<Rect> moves;
    Rect reserved{};

    void New() override { calls.push_back("New"); }
    void Remove() override { calls.push_back("Remove"); }
    void QueryPos(AppBarEdge edge, Rect& rc) override {
        calls.push_back("QueryPos");
        if (edge == AppBarEdge::Top && rc.top < taskbarBottomAtTop) {
            rc.bottom += taskbarBottomAtTop - rc.top;
            rc.top = taskbarBottomAtTop;
        }
        if (edge == AppBarEdge::Bottom && rc.bottom > taskbarTopAtBottom) {
            rc.top -= rc.bottom - taskbarTopAtBottom;
            rc.bottom = taskbarTopAtBottom;
        }
    }
    void SetPos(AppBarEdge, Rect& rc) override {
        calls.push_back("SetPos");
        reserved = rc;
    }
    void MoveWindow(const Rect& rc) override { moves.push_back(rc); }
};

const std::vector<MonitorRect> kOneMonitor{{0, 0, 1920, 1080}};
const std::vector<MonitorRect> kSideBySide{{0, 0, 1920, 1080}, {1920, 100, 1920, 1200}};

TEST(BarDock, PlacesTheStripAtEachEdge) {
    struct Case {
        int32_t iti;
        int32_t thickness;
        std::vector<MonitorRect> monitors;
        int taskbarAtTop, taskbarAtBottom;
        AppBarEdge edge;
        Rect strip;
    };
    const Case cases[] = {
        {3, 8, kOneMonitor, 0, 1 << 30, AppBarEdge::Left, {0, 0, 8, 1080}},
        {3, 32, kOneMonitor, 0, 1 << 30, AppBarEdge::Left, {0, 0, 32, 1080}},
        {1, 8, kOneMonitor, 40, 1 << 30, AppBarEdge::Top, {0, 40, 1920, 48}},  // below a taskbar at the top
        {1, 32, kOneMonitor, 40, 1 << 30, AppBarEdge::Top, {0, 40, 1920, 72}},
        {2, 8, kOneMonitor, 0, 1040, AppBarEdge::Bottom, {0, 1032, 1920, 1040}},  // above a taskbar
        {4, 8, kSideBySide, 0, 1 << 30, AppBarEdge::Right, {3832, 100, 3840, 1200}},
        {4, 32, kOneMonitor, 0, 1 << 30, AppBarEdge::Right, {1888, 0, 1920, 1080}},
    };
    for (const Case& c : cases) {
        FakeShell shell;
        shell.taskbarBottomAtTop = c.taskbarAtTop;
        shell.taskbarTopAtBottom = c.taskbarAtBottom;
        BarDock dock(shell);
        dock.myBarDock(false, c.iti, c.thickness, c.monitors);
        EXPECT_EQ(dock.Edge(), c.edge) << c.iti;
        EXPECT_EQ(dock.Rectangle(), c.strip) << c.iti << " " << c.thickness;
        EXPECT_EQ(shell.reserved, c.strip);
        EXPECT_EQ(shell.moves.back(), c.strip);
        EXPECT_EQ(shell.calls, (std::vector<std::string>{"QueryPos", "SetPos"}));
    }
}

TEST(BarDock, OddCornersKeptAsDesigned) {
    // The top and bottom strips end at the first monitor's width, and the
    // bottom strip is counted from its height, wherever the monitor starts.
    FakeShell shell;
    BarDock dock(shell);
    dock.myBarDock(false, 2, 8, {{100, 50, 800, 600}});
    EXPECT_EQ(dock.Rectangle(), (Rect{100, 592, 800, 600}));
}

TEST(BarDock, UnknownEdgesAndNoMonitorsKeepThePreviousRectangle) {
    for (int32_t iti : {0, 5, -1}) {
        FakeShell shell;
        BarDock dock(shell);
        dock.myBarDock(false, iti, 8, kOneMonitor);
        EXPECT_EQ(dock.Rectangle(), Rect{}) << iti;  // at start: no area
        EXPECT_EQ(shell.calls, std::vector<std::string>{"SetPos"});
    }
    FakeShell shell;
    BarDock dock(shell);
    dock.myBarDock(false, 3, 8, kOneMonitor);
    dock.myBarDock(false, 5, 8, kOneMonitor);
    EXPECT_EQ(dock.Rectangle(), (Rect{0, 0, 8, 1080}));
    EXPECT_EQ(dock.Edge(), AppBarEdge::Left);
    dock.myBarDock(false, 1, 8, {});  // no monitor list: nothing to propose
    EXPECT_EQ(dock.Rectangle(), (Rect{0, 0, 8, 1080}));
}

TEST(BarDock, AShellNotificationReregistersInsteadOfReserving) {
    FakeShell shell;
    BarDock dock(shell);
    dock.myBarDock(true, 3, 8, kOneMonitor);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"QueryPos", "New"}));
    EXPECT_EQ(shell.moves.back(), (Rect{0, 0, 8, 1080}));
}

TEST(BarDock, TheRightStripKeepsItsLeftFromTheLastDockingForTheQuery) {
    class RecordingShell final : public AppBarShell {
    public:
        Rect queried{};
        void New() override {}
        void Remove() override {}
        void QueryPos(AppBarEdge, Rect& rc) override { queried = rc; }
        void SetPos(AppBarEdge, Rect&) override {}
        void MoveWindow(const Rect&) override {}
    } shell;
    BarDock dock(shell);
    dock.myBarDock(false, 4, 8, kOneMonitor);
    EXPECT_EQ(shell.queried.left, 0);  // the first docking
    dock.myBarDock(false, 4, 8, kOneMonitor);
    EXPECT_EQ(shell.queried.left, 1912);
}

}  // namespace
}  // namespace kuvano
