#pragma once

#include <windows.h>

#include "platform/base_window_win32.h"
#include "platform/form_scale_win32.h"

namespace kuvano {

// The version and help window with the fixed help text, read-only, scrolled
// both ways and never wrapped. Closing only hides it.
class HelpWindow final : public BaseWindow<HelpWindow> {
public:
    static constexpr wchar_t kCaption[] = L"Kuvano バージョン＆ヘルプ";

    // Owned by the hidden main window, so that it never gets a taskbar button.
    explicit HelpWindow(HWND owner);
    // Shows the window unless it is already visible, without a modal loop.
    void ShowHelp();
    HWND TextBox() const { return textBox_; }

    static const wchar_t* ClassName() { return L"TForm3"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static constexpr Size kDesignClient{557, 558};  // filled by the text

    FormScale scale_{kDesignClient};
    HWND textBox_ = nullptr;
};

}  // namespace kuvano
