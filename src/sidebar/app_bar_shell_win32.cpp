#include "sidebar/app_bar_shell_win32.h"

#include "platform/dpi_win32.h"
#include "platform/failure_report.h"

namespace kuvano {

AppBarShellWin32::AppBarShellWin32(HWND window) {
    barData_.cbSize = sizeof(barData_);
    barData_.hWnd = window;
    barData_.uCallbackMessage = kAppBarCallbackMessage;
    ChangeWindowMessageFilterEx(window, kAppBarCallbackMessage, MSGFLT_ALLOW, nullptr);
}

void AppBarShellWin32::Send(DWORD message) {
    SHAppBarMessage(message, &barData_);
}

void AppBarShellWin32::Negotiate(DWORD message, AppBarEdge edge, Rect& rc) {
    barData_.uEdge = static_cast<UINT>(edge);
    barData_.rc = {rc.left, rc.top, rc.right, rc.bottom};
    SHAppBarMessage(message, &barData_);
    rc = {barData_.rc.left, barData_.rc.top, barData_.rc.right, barData_.rc.bottom};
}

void AppBarShellWin32::MoveWindow(const Rect& rc) {
    ::MoveWindow(barData_.hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

// The callback runs inside the system's enumeration: no exception may leave it.
std::vector<MonitorRect> MonitorRects() {
    std::vector<MonitorRect> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM list) noexcept -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof(info);
            if (!GetMonitorInfoW(monitor, &info)) return TRUE;
            const RECT& r = info.rcMonitor;
            try {
                reinterpret_cast<std::vector<MonitorRect>*>(list)->push_back(
                    {{r.left, r.top, r.right, r.bottom},
                     MonitorDpi(monitor),
                     (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
            } catch (...) {
                ReportCaughtFailure(L"listing the monitors");
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace kuvano
