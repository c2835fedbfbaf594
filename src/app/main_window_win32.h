#pragma once

#include <windows.h>

#include "platform/base_window_win32.h"

namespace kuvano {

// What the hidden main window hears that concerns the whole program.
class MainWindowEvents {
public:
    // The clock's beat, every 500 ms.
    virtual void OnClockBeat() = 0;
    virtual void OnTaskbarCreated() = 0;
    // The display's scale or layout, or a setting of the system, changed.
    virtual void OnDisplayChanged() = 0;
    // A volume arrived or left.
    virtual void OnVolumesChanged() = 0;
    // Before the program quits: false keeps it running.
    virtual bool MayQuit() = 0;
    // Before the session ends, answered at once: false asks Windows to wait.
    virtual bool MayEndSession() = 0;
    // The session ends, whatever the answer was.
    virtual void OnSessionEnd() = 0;
    // The main window is going, and the program with it.
    virtual void OnQuit() = 0;
    // How many low-space notifications the shell took.
    virtual long long NotificationsSent() const = 0;

protected:
    ~MainWindowEvents() = default;
};

// Asked of the main window, the count of notifications sent reaches tests
// that drive the program from outside, as the failure count does.
UINT NotificationCountMessage();

// The hidden main window: it owns every other window, so that none gets a
// taskbar button, carries the program's clock, and ends the program when it
// closes. Being a top-level window, it hears of the taskbar, the display,
// volumes and the session's end.
class MainWindow final : public BaseWindow<MainWindow> {
public:
    static constexpr UINT_PTR kClockTimer = 1;

    explicit MainWindow(MainWindowEvents& events);

    // Starts the clock; the events reach the program from now on, once it
    // has built all its windows.
    void Start();
    // Closes the window, which saves the settings and ends the program.
    void Quit() const { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

    static const wchar_t* ClassName() { return L"TForm1"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    MainWindowEvents& events_;
    bool started_ = false;
};

}  // namespace kuvano
