#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kuvano {

// How an icon is handed to the shell: Shell_NotifyIconW, or a test's recorder.
using TrayNotifier = std::function<BOOL(DWORD, NOTIFYICONDATAW*)>;

// A menu and the window whose WM_COMMAND handler carries out its items.
struct TrayPopupMenu {
    HMENU menu = nullptr;
    HWND commandWindow = nullptr;
};

// What a click on the icon does, and a click on its notification.
struct TrayClicks {
    std::function<void()> icon;
    std::function<void()> notification;
};

// The notification callback message the shell sends for our icons.
inline constexpr UINT kTrayCallbackMessage = WM_USER + 101;

// One icon in the notification area. The shell's notifications arrive at the
// hidden TrayMessageWindow, which hands each to the icon it names: a release
// of the left button is a click, one of the right button opens the menu.
//
// The shell may refuse a call, as it often does at a busy sign-in: the record
// of what it shows changes only when it accepts one, and a refused add or
// modify is tried again at the next update.
class TrayIcon {
public:
    // `owner` is the window that comes to the foreground for each action.
    TrayIcon(HWND owner, TrayPopupMenu menu, TrayClicks clicks, TrayNotifier notify = Shell_NotifyIconW);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Add(HICON icon, std::u16string_view tip);
    // Tells the shell only of a change, or tries again what it refused:
    // first a modify (a refused add has often been carried out), then an add.
    void Update(HICON icon, std::u16string_view tip);
    void Remove();
    // A notification from the icon, as a warning, unless the user is in
    // quiet time; true when the shell took it.
    bool Notify(std::u16string_view title, std::u16string_view text);

    // After Explorer restarts, the new taskbar knows no icons: put ours back.
    void TaskbarCreated();

    uint32_t Identifier() const { return identifier_; }
    void Dispatch(UINT mouseMessage);

private:
    void Want(HICON icon, std::u16string_view tip);
    // True when the shell accepted the call; the record then holds what it shows.
    bool Send(DWORD message);

    HWND owner_;
    TrayPopupMenu menu_;
    TrayClicks clicks_;
    TrayNotifier notify_;
    uint32_t identifier_;
    NOTIFYICONDATAW wanted_{};  // what the icon should show
    NOTIFYICONDATAW shown_{};   // what the shell accepted last
    bool added_ = false;        // between Add and Remove
    bool refused_ = false;      // the last add or modify was refused
};

}  // namespace kuvano
