#pragma once

#include <windows.h>

namespace kuvano {

// The DPI a window is drawn at: its monitor's, as the system gives it to a
// program aware of each monitor's scale.
int WindowDpi(HWND window);
// A monitor's own DPI, read afresh: a tool window may not hear that it changed.
int MonitorDpi(HMONITOR monitor);
// Where the taskbar and the windows that start centred are.
int PrimaryMonitorDpi();
// The side of the small icons the taskbar shows at `dpi`.
int SmallIconSize(int dpi);

// WM_DPICHANGED: the DPI it brings, and the window moved to the place the
// system suggests for it.
int AcceptDpiChange(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace kuvano
