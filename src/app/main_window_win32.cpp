#include "app/main_window_win32.h"

#include "core/refresh_clock.h"
#include "platform/failure_report_win32.h"
#include "platform/taskbar_created_win32.h"

namespace kuvano {

UINT NotificationCountMessage() {
    static const UINT message = RegisterWindowMessageW(L"Kuvano.NotificationCount");
    return message;
}

MainWindow::MainWindow(MainWindowEvents& events) : events_(events) {
    // A tool window never gets a taskbar button.
    Create({.exStyle = WS_EX_TOOLWINDOW, .style = WS_OVERLAPPEDWINDOW, .title = L"Kuvano"});
    ReceiveTaskbarCreated(Handle());
}

void MainWindow::Start() {
    started_ = true;
    SetTimer(Handle(), kClockTimer, RefreshClock::kBeatMilliseconds, nullptr);
}

// Until the program has started, what other programs and the system tell the
// window does not reach it: its windows are still being built.
LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == FailureCountMessage()) return static_cast<LRESULT>(FailureCount());
    if (message == NotificationCountMessage()) return static_cast<LRESULT>(events_.NotificationsSent());
    if (message == TaskbarCreatedMessage()) {
        if (started_) events_.OnTaskbarCreated();
        return 0;
    }
    switch (message) {
        case WM_TIMER:
            if (wParam == kClockTimer && started_) events_.OnClockBeat();
            return 0;
        // A hidden window hears of no scale change of its own: the taskbar's
        // icon size is read again at any change of the display or the settings.
        case WM_DPICHANGED:
        case WM_DISPLAYCHANGE:
        case WM_SETTINGCHANGE:
            if (started_) events_.OnDisplayChanged();
            return message == WM_SETTINGCHANGE ? DefaultHandling(message, wParam, lParam) : 0;
        case WM_DEVICECHANGE:
            if (started_) events_.OnVolumesChanged();
            return TRUE;  // grants any removal query
        case WM_CLOSE:
            if (!started_ || events_.MayQuit()) DestroyWindow(Handle());
            return 0;
        case WM_QUERYENDSESSION: return !started_ || events_.MayEndSession() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (!wParam) return 0;
            if (started_) events_.OnSessionEnd();
            DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            KillTimer(Handle(), kClockTimer);
            if (started_) events_.OnQuit();
            PostQuitMessage(0);
            return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace kuvano
