#pragma once

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "sidebar/bar_dock.h"

namespace kuvano {

// The message by which the shell notifies the sidebar of toolbar changes.
inline constexpr UINT kAppBarCallbackMessage = WM_USER + 100;

// The shell's desktop-toolbar calls for one window. A registration never
// outlives this object: the strip goes back to the desktop however the
// sidebar ends. The shell's notices reach the window even when the program
// runs elevated.
class AppBarShellWin32 final : public AppBarShell {
public:
    explicit AppBarShellWin32(HWND window);
    AppBarShellWin32(const AppBarShellWin32&) = delete;
    AppBarShellWin32& operator=(const AppBarShellWin32&) = delete;
    ~AppBarShellWin32() override { Remove(); }

    void New() override {
        Send(ABM_NEW);
        registered_ = true;
    }
    void Remove() override {
        if (registered_) Send(ABM_REMOVE);
        registered_ = false;
    }
    bool Registered() const { return registered_; }
    void QueryPos(AppBarEdge edge, Rect& rc) override { Negotiate(ABM_QUERYPOS, edge, rc); }
    void SetPos(AppBarEdge edge, Rect& rc) override { Negotiate(ABM_SETPOS, edge, rc); }
    void MoveWindow(const Rect& rc) override;
    // The strip's window was activated, or moved in the z-order: the shell
    // keeps the toolbars' order with it.
    void Activate() {
        if (registered_) Send(ABM_ACTIVATE);
    }
    void WindowPosChanged() {
        if (registered_) Send(ABM_WINDOWPOSCHANGED);
    }

private:
    void Send(DWORD message);
    void Negotiate(DWORD message, AppBarEdge edge, Rect& rc);

    APPBARDATA barData_{};
    bool registered_ = false;
};

// The monitors' full rectangles and DPIs, in the system's enumeration order,
// which is no documented one.
std::vector<MonitorRect> MonitorRects();

}  // namespace kuvano
