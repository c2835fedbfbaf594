#pragma once

#include <windows.h>

#include "platform/unique_handle_win32.h"

namespace kuvano {

// The forms' font, "ＭＳ Ｐゴシック", at a height in pixels.
UniqueFont FormFont(int pixelHeight, bool bold = false);

// A window of the given client size, centred on the primary screen.
RECT CenteredWindowRect(int clientWidth, int clientHeight, DWORD style, DWORD exStyle);

// Shows nothing new: a form that is already visible only comes to the front.
void BringToFront(HWND window);

}  // namespace kuvano
