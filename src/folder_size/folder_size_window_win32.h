#pragma once

#include <windows.h>

#include "platform/base_window_win32.h"

namespace kuvano {

// TForm5: the folder size panel. Created hidden at start; its survey is yet
// to come.
class TForm5 final : public BaseWindow<TForm5> {
public:
    // Owned by the hidden main window, so that it never gets a taskbar button.
    bool Create(HWND owner) {
        return CreateWithOptions(
            {.exStyle = WS_EX_TOOLWINDOW, .style = WS_OVERLAPPEDWINDOW, .title = L"Kuvano", .parent = owner});
    }

    static const wchar_t* ClassName() { return L"TForm5"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return message == WM_CLOSE ? HideInsteadOfClosing() : DefaultHandling(message, wParam, lParam);
    }
};

}  // namespace kuvano
