#pragma once

#include <windows.h>

#include "platform/base_window_win32.h"

namespace kuvano {

// TForm5: the folder size panel. Created hidden at start; its survey is yet
// to come.
class TForm5 final : public BaseWindow<TForm5> {
public:
    bool Create() { return CreateFromSpec({.exStyle = WS_EX_TOOLWINDOW, .style = WS_OVERLAPPEDWINDOW, .title = L"Kuvano"}); }

    static const wchar_t* ClassName() { return L"TForm5"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE) {
            ShowWindow(Handle(), SW_HIDE);
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }
};

}  // namespace kuvano
