#pragma once

#include <windows.h>

#include "app/settings.h"
#include "platform/base_window_win32.h"
#include "settings_panel/low_space_warning.h"

namespace kuvano {

// TForm2: the settings panel and owner of the low-space rule every display
// applies. Until its digit controls exist, the digits are those loaded from
// the settings at its creation.
class TForm2 final : public BaseWindow<TForm2>, public WarningDigitSource {
public:
    explicit TForm2(const Settings& settings) : settings_(settings) {}
    // Owned by the hidden main window, so that it never gets a taskbar button.
    bool Create(HWND owner) {
        return CreateFromSpec(
            {.exStyle = WS_EX_TOOLWINDOW, .style = WS_OVERLAPPEDWINDOW, .title = L"Kuvano", .parent = owner});
    }

    const LowSpaceWarning& Warning() const { return warning_; }
    WarningDigits CurrentWarningDigits() const override { return digits_; }

    static const wchar_t* ClassName() { return L"TForm2"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_CREATE:
                digits_ = {settings_.tenm1, settings_.tenm2, settings_.tenm3,
                           settings_.tenm4, settings_.tenm5, settings_.tenm6};
                return 0;
            case WM_CLOSE: ShowWindow(Handle(), SW_HIDE); return 0;
            default: return DefaultHandling(message, wParam, lParam);
        }
    }

private:
    const Settings& settings_;
    WarningDigits digits_{};
    LowSpaceWarning warning_{*this};
};

}  // namespace kuvano
