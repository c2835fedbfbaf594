#pragma once

#include <windows.h>

#include "platform/unique_handle_win32.h"

namespace kuvano {

// The forms' font, "ＭＳ Ｐゴシック", at a height in pixels.
UniqueFont FormFont(int pixelHeight, bool bold = false);

// Shows nothing new: a form that is already visible only comes to the front.
void BringToFront(HWND window);

}  // namespace kuvano
