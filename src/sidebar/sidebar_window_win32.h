#pragma once

#include <windows.h>

#include "platform/base_window_win32.h"

namespace kuvano {

// TForm4: the sidebar. Created hidden at start; its gauges, docking and the
// shared popup menu are yet to come.
class TForm4 final : public BaseWindow<TForm4> {
public:
    // Owned by the hidden main window, so that it never gets a taskbar button.
    bool Create(HWND owner) {
        return CreateFromSpec(
            {.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST, .style = WS_POPUP, .title = L"Kuvano", .parent = owner});
    }

    static const wchar_t* ClassName() { return L"TForm4"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return message == WM_CLOSE ? HideInsteadOfClosing() : DefaultHandling(message, wParam, lParam);
    }
};

}  // namespace kuvano
