#include "tray/task_tray_mini_win32.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <utility>

#include "platform/base_window_win32.h"
#include "platform/message_pump_win32.h"
#include "tray/tray_registry.h"
#include "tray/tray_tip.h"

namespace kuvano {
namespace {

// TMyCallback: the one hidden child window that receives the shell's
// notifications for every tray component of the process.
class TMyCallback final : public BaseWindow<TMyCallback> {
public:
    static const wchar_t* ClassName() { return L"TMyCallback"; }

    HWND EnsureCreated(HWND parent) {
        if (!Handle()) CreateChild(parent);
        return Handle();
    }

    TrayRegistry<TTaskTrayMini> trayRegistry;

    // Opens a tray's menu with this window as its owner; the command chosen, or 0.
    UINT TrackMenu(const TrayPopupMenu& popup, POINT at) {
        menuCommands_ = popup.commandWindow;
        const auto command =
            TrackPopupMenuEx(popup.menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, Handle(), nullptr);
        menuCommands_ = nullptr;
        return static_cast<UINT>(command);
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        // The window that carries out the menu's commands also prepares and draws its item pictures.
        const bool pictures = (message == WM_MEASUREITEM || message == WM_DRAWITEM) && wParam == 0;
        if (menuCommands_ && (pictures || message == WM_INITMENUPOPUP)) {
            return SendMessageW(menuCommands_, message, wParam, lParam);
        }
        if (message != kTrayCallbackMessage) return DefaultHandling(message, wParam, lParam);
        if (TTaskTrayMini* CurrentTray = trayRegistry.Find(wParam)) CurrentTray->Dispatch(static_cast<UINT>(lParam));
        return 0;
    }

private:
    // An invisible child of zero size.
    void CreateChild(HWND parent) {
        CreateWithOptions({.style = WS_CHILD, .parent = parent, .x = 0, .y = 0, .width = 0, .height = 0});
    }

    HWND menuCommands_ = nullptr;  // while a tray's menu is open
};

TMyCallback& CallbackWindow() {
    static TMyCallback window;
    return window;
}

}  // namespace

TTaskTrayMini::TTaskTrayMini(HWND owner, TrayNotifier notify) : owner_(owner), notify_(std::move(notify)) {
    CallbackWindow().EnsureCreated(owner);
    identifier_ = CallbackWindow().trayRegistry.Register(this);
    record_.cbSize = sizeof(record_);
    record_.uCallbackMessage = kTrayCallbackMessage;
    record_.uID = static_cast<UINT>(identifier_);
}

TTaskTrayMini::~TTaskTrayMini() {
    CallbackWindow().trayRegistry.Unregister(this);
    if (shown_) notify_(NIM_DELETE, &record_);
}

void TTaskTrayMini::SetIcon(uint8_t mode, HICON icon, std::u16string_view tip) {
    const HWND callback = CallbackWindow().EnsureCreated(owner_);
    const std::u16string text = TrayTipText(tip);
    std::array<wchar_t, std::extent_v<decltype(NOTIFYICONDATAW::szTip)>> tipText{};
    std::copy(text.begin(), text.end(), tipText.begin());
    // Under Wine each modify costs the shell milliseconds, and most ticks change nothing.
    const bool unchanged =
        record_.hWnd == callback && record_.hIcon == icon && std::ranges::equal(tipText, record_.szTip);
    record_.hWnd = callback;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.hIcon = icon;
    std::ranges::copy(tipText, record_.szTip);
    switch (mode) {
        case kAdd:
            notify_(NIM_ADD, &record_);
            shown_ = true;
            break;
        case kModify:
            if (!unchanged) notify_(NIM_MODIFY, &record_);
            break;
        case kDelete:
            notify_(NIM_DELETE, &record_);
            shown_ = false;
            break;
        default: break;
    }
}

void TTaskTrayMini::TaskbarCreated() {
    if (shown_) notify_(NIM_ADD, &record_);
}

void TTaskTrayMini::Dispatch(UINT mouseMessage) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const TrayWiring wiring{static_cast<bool>(OnMouseUp),
                            static_cast<bool>(OnMouseDown),
                            static_cast<bool>(OnMMouseUp),
                            static_cast<bool>(OnMMouseDown),
                            PopupMenuR.menu != nullptr,
                            EnableMouseUp,
                            EnableMouseDown,
                            EnableMMouseUp,
                            EnableMMouseDown};
    const TrayAction action = TrayActionFor(mouseMessage, wiring);
    if (action == TrayAction::None) return;

    SetForegroundWindow(owner_);
    switch (action) {
        case TrayAction::MouseDown: OnMouseDown({TrayMouseButton::Left, cursor}); break;
        case TrayAction::MouseUp: OnMouseUp({TrayMouseButton::Left, cursor}); break;
        case TrayAction::MiddleDown: OnMMouseDown({TrayMouseButton::Middle, cursor}); break;
        case TrayAction::MiddleUp: OnMMouseUp({TrayMouseButton::Middle, cursor}); break;
        case TrayAction::Popup: {
            const UINT command = CallbackWindow().TrackMenu(PopupMenuR, cursor);
            if (command != 0) SendMessageW(PopupMenuR.commandWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
            break;
        }
        case TrayAction::None: break;
    }
    PumpPendingMessages();
}

}  // namespace kuvano
