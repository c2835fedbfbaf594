#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/pixel_image.h"

namespace kuvano::e2e {

// Drives the real Kuvano.exe from outside, as a user's desktop would: starts
// it in a Wine virtual desktop with a taskbar and finds its windows there.
class Driver {
public:
    static constexpr auto kPatience = std::chrono::seconds(20);

    // The Kuvano.exe under test, from KUVANO_EXE.
    static std::wstring ProgramUnderTest();

    // Starts `program` in the virtual desktop; its windows live there.
    static void Start(const std::wstring& program);

    // A top-level window of class `className` that belongs to a process
    // started from `program`, in any desktop.
    static std::optional<HWND> FindWindowOf(const std::wstring& program, const wchar_t* className,
                                            std::chrono::milliseconds patience = kPatience);

    // Waits until the process owning `window` has ended.
    static bool WaitForExit(HWND window, std::chrono::milliseconds patience = kPatience);

    // The window's frame once `placed` accepts it, or the last one seen when
    // patience runs out: docking and resizing happen after a window exists.
    static RECT WaitForRect(HWND window, const std::function<bool(const RECT&)>& placed,
                            std::chrono::milliseconds patience = kPatience);

    // Whether `holds` comes true within the patience, looked at every 100 ms:
    // the program shows things at its next tick or paint, not at once.
    static bool Eventually(const std::function<bool()>& holds,
                           std::chrono::milliseconds patience = std::chrono::seconds(5));

    // Visibility as the window's own style bits say (IsWindowVisible does not
    // work across desktops).
    static bool HasVisibleStyle(HWND window);

    // Every top-level window of class `className` of the program.
    static std::vector<HWND> WindowsOf(const std::wstring& program, const wchar_t* className);

    // The text of one cell of a list view in another process.
    static std::wstring ListViewText(HWND listView, int row, int column);

    // How many failures the program has reported so far (it shows the user
    // none); -1 when the main window does not answer.
    static long long FailuresOf(HWND mainWindow);

    // Sends the tray icon's notification, as the shell does for a mouse action.
    static void NotifyTray(HWND mainWindow, UINT mouseMessage);

    struct Rgb {
        uint8_t r, g, b;
        bool operator==(const Rgb&) const = default;
    };
    // The screen's pixels, row by row, as the X server shows them.
    static std::vector<Rgb> Screenshot(int x, int y, int width, int height);

    // How many of the picture's opaque pixels the tray icon's place shows,
    // and how many there are.
    struct TrayMatch {
        int matching;
        int opaque;
        bool Whole() const { return matching == opaque; }
    };
    static TrayMatch TrayShows(const PixelImage& picture);

    // Where the notification area shows the first icon of a 1280 x 800 desktop.
    static constexpr int kTrayIconX = 1262;
    static constexpr int kTrayIconY = 782;
};

}  // namespace kuvano::e2e
