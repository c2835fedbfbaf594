#include "platform/dpi_win32.h"

#include <shellscalingapi.h>

#include "core/display_scale.h"
#include "platform/failure_report.h"

namespace kuvano {

int WindowDpi(HWND window) {
    if (const UINT dpi = GetDpiForWindow(window)) return static_cast<int>(dpi);
    ReportFailure(L"reading a window's DPI");
    return kDesignDpi;
}

int MonitorDpi(HMONITOR monitor) {
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (SUCCEEDED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) && dpiX) return static_cast<int>(dpiX);
    ReportFailure(L"reading a monitor's DPI");
    return kDesignDpi;
}

int PrimaryMonitorDpi() {
    return MonitorDpi(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

int SmallIconSize(int dpi) {
    if (const int side = GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi))) return side;
    ReportFailure(L"reading the small icon size");
    return ScaleToDpi(16, dpi);
}

int AcceptDpiChange(HWND window, WPARAM wParam, LPARAM lParam) {
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    if (!SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                      suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE)) {
        ReportFailure(L"moving a window to its place at a new DPI");
    }
    return HIWORD(wParam);
}

}  // namespace kuvano
