#include "help/help_window_win32.h"

#include <string>

#include "help/help_text.h"
#include "platform/form_helpers_win32.h"
#include "resource_ids.h"

namespace kuvano {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// Control parent: Esc closes the window as a dialog's would.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

std::string_view HelpTextResource() {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(IDR_HELP_TEXT), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!resource) return {};
    return {static_cast<const char*>(LockResource(LoadResource(module, resource))), SizeofResource(module, resource)};
}

std::wstring Utf8ToWide(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// The edit control shows lines separated by CR LF.
std::wstring HelpText() {
    std::wstring text;
    for (const std::string& line : HelpTextLines(HelpTextResource())) {
        if (!text.empty()) text += L"\r\n";
        text += Utf8ToWide(line);
    }
    return text;
}

}  // namespace

HelpWindow::HelpWindow(HWND owner) {
    CreateCentered(kCaption, kStyle, kExStyle, owner, scale_.StartOnPrimaryMonitor(kStyle, kExStyle));
    scale_.Follow(Handle(), std::nullopt, scale_.AddFont(12));
    textBox_ = scale_.AddControl(
        Handle(), L"EDIT", L"", WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
        {0, 0, kDesignClient.width, kDesignClient.height}, 0, scale_.AddFont(13), WS_EX_CLIENTEDGE);
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) ShowWindow(Handle(), SW_HIDE);
            return 0;
        case WM_CLOSE: ShowWindow(Handle(), SW_HIDE); return 0;
        case WM_DPICHANGED: scale_.OnDpiChanged(Handle(), wParam, lParam); return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

// The text is laid out at the first show: laying it out measures every
// Japanese glyph in it, megabytes of font held for a window seldom opened.
void HelpWindow::ShowHelp() {
    if (IsWindowVisible(Handle())) return;
    if (GetWindowTextLengthW(textBox_) == 0) SetWindowTextW(textBox_, HelpText().c_str());
    scale_.FollowMonitor(Handle());
    ShowWindow(Handle(), SW_SHOW);
    BringToFront(Handle());
}

}  // namespace kuvano
