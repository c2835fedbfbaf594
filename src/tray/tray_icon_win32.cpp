#include "tray/tray_icon_win32.h"

#include <algorithm>
#include <utility>

#include "platform/base_window_win32.h"
#include "platform/failure_report.h"
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
        // Windows documents it: without a message after the menu, the next one
        // shown from the notification area closes as soon as it opens.
        PostMessageW(Handle(), WM_NULL, 0, 0);
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

TrayIcon::TrayIcon(HWND owner, TrayPopupMenu menu, TrayClicks clicks, TrayNotifier notify)
    : owner_(owner), menu_(menu), clicks_(std::move(clicks)), notify_(std::move(notify)) {
    MessageWindow().EnsureCreated(owner);
    identifier_ = MessageWindow().icons.Register(this);
    wanted_.cbSize = sizeof(wanted_);
    wanted_.uCallbackMessage = kTrayCallbackMessage;
    wanted_.uID = identifier_;
    wanted_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
}

TrayIcon::~TrayIcon() {
    MessageWindow().icons.Unregister(this);
    Remove();
}

void TrayIcon::Want(HICON icon, std::u16string_view tip) {
    const std::u16string text = TrayTipText(tip);
    wanted_.hWnd = MessageWindow().EnsureCreated(owner_);
    wanted_.hIcon = icon;
    std::ranges::fill(wanted_.szTip, L'\0');
    std::copy(text.begin(), text.end(), wanted_.szTip);
}

bool TrayIcon::Send(DWORD message) {
    NOTIFYICONDATAW record = wanted_;
    if (!notify_(message, &record)) {
        // Once for each run of refusals: at a busy sign-in they may go on a while.
        if (!std::exchange(refused_, true)) ReportFailure(L"the shell refused the tray icon");
        return false;
    }
    shown_ = wanted_;
    refused_ = false;
    return true;
}

void TrayIcon::Add(HICON icon, std::u16string_view tip) {
    Want(icon, tip);
    added_ = true;
    Send(NIM_ADD);
}

// Under Wine each modify costs the shell milliseconds, and most beats change nothing.
void TrayIcon::Update(HICON icon, std::u16string_view tip) {
    Want(icon, tip);
    if (!added_) return;
    if (refused_) {
        if (!Send(NIM_MODIFY)) Send(NIM_ADD);
        return;
    }
    const bool changed = shown_.hWnd != wanted_.hWnd || shown_.hIcon != wanted_.hIcon ||
                         !std::ranges::equal(shown_.szTip, wanted_.szTip);
    if (changed) Send(NIM_MODIFY);
}

void TrayIcon::Remove() {
    if (!std::exchange(added_, false)) return;
    refused_ = false;
    NOTIFYICONDATAW record = wanted_;
    notify_(NIM_DELETE, &record);
}

// Cut to what the record holds, never inside a surrogate pair.
bool TrayIcon::Notify(std::u16string_view title, std::u16string_view text) {
    if (!added_) return false;
    NOTIFYICONDATAW record = wanted_;
    record.uFlags = NIF_INFO;
    record.dwInfoFlags = NIIF_WARNING | NIIF_RESPECT_QUIET_TIME;
    const auto copy = [](std::u16string_view from, auto& to) {
        const std::u16string cut = CutToUnits(from, std::size(to) - 1);
        std::ranges::copy(cut, to);
        to[cut.size()] = L'\0';
    };
    copy(title, record.szInfoTitle);
    copy(text, record.szInfo);
    if (notify_(NIM_MODIFY, &record)) return true;
    ReportFailure(L"the shell refused a notification");
    return false;
}

void TrayIcon::TaskbarCreated() {
    if (added_) Send(NIM_ADD);
}

void TrayIcon::Dispatch(UINT mouseMessage) {
    const TrayAction action = TrayActionFor(mouseMessage);
    if (action == TrayAction::None) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(owner_);
    if (action == TrayAction::LeftClick) {
        if (clicks_.icon) clicks_.icon();
    } else if (action == TrayAction::BalloonClick) {
        if (clicks_.notification) clicks_.notification();
    } else {
        const UINT command = MessageWindow().TrackMenu(menu_, cursor);
        if (command != 0) SendMessageW(menu_.commandWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
    PumpPendingMessages();
}

}  // namespace kuvano
