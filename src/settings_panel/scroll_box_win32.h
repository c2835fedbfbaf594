#pragma once

#include <windows.h>

#include "platform/base_window_win32.h"

namespace kuvano {

// ScrollBox1: a framed child window that scrolls one larger child both ways.
// Commands from the child go on to the scroll box's parent.
class TScrollBox final : public BaseWindow<TScrollBox> {
public:
    bool Create(HWND parent, int left, int top, int width, int height);
    // The content, placed at (0, 0) with its own size.
    void SetContent(HWND content, int width, int height);
    // Scrolls vertically just far enough that the content's rows top..bottom show.
    void ShowRows(int top, int bottom);

    static const wchar_t* ClassName() { return L"TScrollBox"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void UpdateScrollBars();
    void SetBar(int bar, int contentLength, int position);
    void Scroll(int bar, WORD request);
    void ScrollTo(int bar, int position);

    HWND content_ = nullptr;
    SIZE contentSize_{};
    POINT offset_{};
};

}  // namespace kuvano
