#include "help/about_box_win32.h"

#include "help/about_colours.h"

#include "platform/dialog_keys_win32.h"
#include "platform/form_helpers_win32.h"
#include "platform/thread_windows_disabled_win32.h"
#include "resource_ids.h"

namespace kuvano {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// Control parent: Enter and Esc reach the box as a dialog's keys would.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

}  // namespace

AboutBox::AboutBox(HWND owner) {
    CreateCentered(kCaption, kStyle, kExStyle, owner, scale_.StartOnPrimaryMonitor(kStyle, kExStyle));
    const FormScale::FontId formFont = scale_.AddFont(12);
    scale_.Follow(Handle(), std::nullopt, formFont);
    iconBox_ = scale_.AddControl(Handle(), L"STATIC", L"", SS_ICON | SS_CENTERIMAGE, {8, 8, 33, 33}, 0, formFont);
    ShowIcon();
    scale_.AddControl(Handle(), L"STATIC", L"Kuvano", 0, {56, 16, 200, 24}, 0, scale_.AddFont(19, true));
    scale_.AddControl(Handle(), L"STATIC", kRightsNotice, SS_LEFT | SS_NOPREFIX, {16, 56, 183, 16}, 0,
                      scale_.AddFont(16, true));
}

LRESULT AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC: return OnLabelColour(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND:
            // Enter and Esc close the box, as its close box does.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ShowWindow(Handle(), SW_HIDE);
            return 0;
        case WM_CLOSE: ShowWindow(Handle(), SW_HIDE); return 0;
        case WM_DPICHANGED:
            scale_.OnDpiChanged(Handle(), wParam, lParam);
            ShowIcon();
            return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

// The icon file holds each size the scales need, drawn by whole steps: the
// system finds the exact one and need not stretch it.
void AboutBox::ShowIcon() {
    const int side = scale_.Scaled(32);
    UniqueIcon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KUVANO), IMAGE_ICON, side, side, 0)));
    SendMessageW(iconBox_, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    icon_ = std::move(icon);
}

LRESULT AboutBox::OnLabelColour(HDC dc) {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON);
    SetTextColor(dc, AboutLabelColour(high, GetSysColor(COLOR_BTNTEXT)));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void AboutBox::ShowModal() {
    if (inModalLoop_) {
        BringToFront(Handle());
        return;
    }
    inModalLoop_ = true;
    const ThreadWindowsDisabled others(Handle());
    if (scale_.FollowMonitor(Handle())) ShowIcon();
    ShowWindow(Handle(), SW_SHOW);
    BringToFront(Handle());
    MSG message{};
    while (IsWindowVisible(Handle())) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the main loop must see it too
            ShowWindow(Handle(), SW_HIDE);
            break;
        }
        if (TranslateDialogKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    inModalLoop_ = false;
}

}  // namespace kuvano
