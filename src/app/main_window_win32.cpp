#include "app/main_window_win32.h"

#include "app/settings_file.h"
#include "platform/wide_text_win32.h"

namespace kuvano {

TForm1::TForm1(Settings& settings, const FileStore& store, std::u16string settingsPath)
    : settings_(settings), store_(store), settingsPath_(std::move(settingsPath)) {}

bool TForm1::Create() { return CreateHidden(WS_EX_TOOLWINDOW, WS_OVERLAPPEDWINDOW, L"Kuvano"); }

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            FormCreate();
            return 0;
        case WM_CLOSE:
            return OnClose();
        case WM_QUERYENDSESSION:
            return OnQueryEndSession();
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

void TForm1::FormCreate() { settings_ = LoadSettings(store_, settingsPath_); }

// Writes the settings file. A failed write is shown and keeps the program
// running, so that the user can make the folder writable and quit again.
bool TForm1::FormCloseQuery() {
    const auto error = SaveSettings(settings_, store_, settingsPath_);
    if (!error) return true;
    const std::u16string message = error->Message();
    MessageBoxW(Handle(), Wide(message), L"Kuvano", MB_OK | MB_ICONERROR);
    return false;
}

LRESULT TForm1::OnClose() {
    if (FormCloseQuery()) DestroyWindow(Handle());
    return 0;
}

LRESULT TForm1::OnQueryEndSession() { return FormCloseQuery() ? TRUE : FALSE; }

}  // namespace kuvano
