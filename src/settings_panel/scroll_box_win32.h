#pragma once

#include <windows.h>

#include "core/display_scale.h"
#include "core/geometry.h"
#include "platform/base_window_win32.h"
#include "platform/form_helpers_win32.h"

namespace kuvano {

// A framed child window that scrolls one larger child both ways. Commands
// from the child go on to the scroll box's parent.
class ScrollBox final : public BaseWindow<ScrollBox> {
public:
    ScrollBox(HWND parent, Place place);
    // The content, placed at (0, 0) with its size given for 100 %.
    void SetContent(HWND content, Size designSize);
    // The content's size and the line step at `dpi`; the view keeps its
    // place in the content.
    void Rescale(int dpi);
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
    Size designContent_{};
    int dpi_ = kDesignDpi;
    SIZE contentSize_{};
    POINT offset_{};
};

}  // namespace kuvano
