#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <string_view>

#include "tray/tray_dispatch.h"

namespace kuvano {

struct TrayMouseEvent {
    TrayMouseButton button;  // also the only member of Shift: keys are never reported
    POINT position;          // the cursor, in screen coordinates
};

using TrayMouseHandler = std::function<void(const TrayMouseEvent&)>;

// How a component hands its icon to the shell: Shell_NotifyIconW, or a test's recorder.
using TrayNotifier = std::function<BOOL(DWORD, NOTIFYICONDATAW*)>;

// A menu and the window whose WM_COMMAND handler carries out its items.
struct TrayPopupMenu {
    HMENU menu = nullptr;
    HWND commandWindow = nullptr;
};

// The notification callback message the shell sends for our icons.
inline constexpr UINT kTrayCallbackMessage = WM_USER + 101;

// One icon in the notification area. The shell's notifications arrive at the
// hidden CallbackWindow, which hands each to the component it names.
class TTaskTrayMini {
public:
    enum Mode : uint8_t { kAdd = 0, kModify = 1, kDelete = 2 };

    // `owner` is the form whose window comes to the foreground for each action.
    explicit TTaskTrayMini(HWND owner, TrayNotifier notify = Shell_NotifyIconW);
    ~TTaskTrayMini();
    TTaskTrayMini(const TTaskTrayMini&) = delete;
    TTaskTrayMini& operator=(const TTaskTrayMini&) = delete;

    TrayMouseHandler OnMouseUp;
    TrayMouseHandler OnMouseDown;
    TrayMouseHandler OnMMouseUp;
    TrayMouseHandler OnMMouseDown;
    TrayPopupMenu PopupMenuR;
    bool EnableMouseUp = true;
    bool EnableMouseDown = true;
    bool EnableMMouseUp = true;
    bool EnableMMouseDown = true;

    // Mode 0 adds the icon, 1 modifies it, 2 deletes it; other modes only fill
    // the record. A modify that changes neither the picture nor the tip is
    // not sent. The shell's answer is not looked at.
    void SetIcon(uint8_t mode, HICON icon, std::u16string_view tip);

    // After Explorer restarts, the new taskbar knows no icons: put ours back.
    void TaskbarCreated();

    int32_t Identifier() const { return identifier_; }
    void Dispatch(UINT mouseMessage);

private:
    HWND owner_;
    TrayNotifier notify_;
    int32_t identifier_;
    NOTIFYICONDATAW record_{};
    bool shown_ = false;
};

}  // namespace kuvano
