#include "tray/tray_icon_win32.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <utility>

#include "platform/base_window_win32.h"
#include "platform/message_pump_win32.h"
#include "tray/tray_dispatch.h"
#include "tray/tray_registry.h"
#include "tray/tray_tip.h"

namespace kuvano {
namespace {

// The one hidden child window that receives the shell's notifications for
// every tray icon of the process. Outside tools know it by its class name.
class TrayMessageWindow final : public BaseWindow<TrayMessageWindow> {
public:
    static const wchar_t* ClassName() { return L"TMyCallback"; }

    HWND EnsureCreated(HWND parent) {
        if (!Handle()) CreateChild(parent);
        return Handle();
    }

    TrayRegistry<TrayIcon> icons;

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
        if (TrayIcon* icon = icons.Find(wParam)) icon->Dispatch(static_cast<UINT>(lParam));
        return 0;
    }

private:
    // An invisible child of zero size.
    void CreateChild(HWND parent) {
        Create({.style = WS_CHILD, .parent = parent, .x = 0, .y = 0, .width = 0, .height = 0});
    }

    HWND menuCommands_ = nullptr;  // while a tray's menu is open
};

TrayMessageWindow& MessageWindow() {
    static TrayMessageWindow window;
    return window;
}

}  // namespace

TrayIcon::TrayIcon(HWND owner, TrayPopupMenu menu, std::function<void()> onLeftClick, TrayNotifier notify)
    : owner_(owner), menu_(menu), onLeftClick_(std::move(onLeftClick)), notify_(std::move(notify)) {
    MessageWindow().EnsureCreated(owner);
    identifier_ = MessageWindow().icons.Register(this);
    record_.cbSize = sizeof(record_);
    record_.uCallbackMessage = kTrayCallbackMessage;
    record_.uID = identifier_;
}

TrayIcon::~TrayIcon() {
    MessageWindow().icons.Unregister(this);
    Remove();
}

bool TrayIcon::Fill(HICON icon, std::u16string_view tip) {
    const HWND callback = MessageWindow().EnsureCreated(owner_);
    const std::u16string text = TrayTipText(tip);
    std::array<wchar_t, std::extent_v<decltype(NOTIFYICONDATAW::szTip)>> tipText{};
    std::copy(text.begin(), text.end(), tipText.begin());
    const bool changed =
        record_.hWnd != callback || record_.hIcon != icon || !std::ranges::equal(tipText, record_.szTip);
    record_.hWnd = callback;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.hIcon = icon;
    std::ranges::copy(tipText, record_.szTip);
    return changed;
}

void TrayIcon::Add(HICON icon, std::u16string_view tip) {
    Fill(icon, tip);
    notify_(NIM_ADD, &record_);
    shown_ = true;
}

// Under Wine each modify costs the shell milliseconds, and most beats change nothing.
void TrayIcon::Update(HICON icon, std::u16string_view tip) {
    if (Fill(icon, tip) && shown_) notify_(NIM_MODIFY, &record_);
}

void TrayIcon::Remove() {
    if (shown_) notify_(NIM_DELETE, &record_);
    shown_ = false;
}

void TrayIcon::TaskbarCreated() {
    if (shown_) notify_(NIM_ADD, &record_);
}

void TrayIcon::Dispatch(UINT mouseMessage) {
    const TrayAction action = TrayActionFor(mouseMessage);
    if (action == TrayAction::None) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(owner_);
    if (action == TrayAction::LeftClick) {
        if (onLeftClick_) onLeftClick_();
    } else {
        const UINT command = MessageWindow().TrackMenu(menu_, cursor);
        if (command != 0) SendMessageW(menu_.commandWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
    PumpPendingMessages();
}

}  // namespace kuvano
