#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "core/pixel_image.h"

namespace kuvano::testing {

// Enough for a start or a paint on a loaded machine; only a failure waits it out.
bool Eventually(const std::function<bool()>& holds, std::chrono::milliseconds patience = std::chrono::seconds(20));

// Starts the program in the desktop named "shell", to which Wine gives a
// taskbar, and joins that desktop: there its windows are found by class
// (one program runs at a time) and the tray can be spoken to.
void Start(const std::wstring& program);

HWND WindowOf(const wchar_t* className);
bool Shown(HWND window);
bool Hidden(HWND window);
bool WaitForExit(HWND window);

// The program shows the user no failure; it answers their count to a registered message.
long long FailuresOf(HWND mainWindow);

// The screen's pixel as the shell's desktop shows it, once joined.
COLORREF Pixel(int x, int y);
// The share of the picture's opaque pixels that the screen shows at (left, top).
double ScreenShows(const PixelImage& picture, int left, int top);

}  // namespace kuvano::testing
