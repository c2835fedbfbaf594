#pragma once

#include <windows.h>

#include "platform/base_window_win32.h"
#include "platform/form_scale_win32.h"
#include "platform/scoped_win32.h"

namespace kuvano {

// The about box with the program's icon, its name and the rights notice.
// Shown modally from the tray icon; closing only hides it.
class AboutBox final : public BaseWindow<AboutBox> {
public:
    static constexpr wchar_t kCaption[] = L"Kuvanoについて";
    static constexpr wchar_t kRightsNotice[] = L"(C) 2024 Kuvano";  // also a line of the help text

    // Owned by the hidden main window, so that it never gets a taskbar button.
    explicit AboutBox(HWND owner);
    // Runs its own message loop until the box is closed. While the box is
    // open, a further call only brings it to the front.
    void ShowModal();

    static const wchar_t* ClassName() { return L"TFormInfo"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void ShowIcon();
    LRESULT OnLabelColour(HDC dc);

    FormScale scale_{{267, 99}};  // the client area at 100 %
    HWND iconBox_ = nullptr;
    UniqueIcon icon_;
    bool inModalLoop_ = false;
};

}  // namespace kuvano
