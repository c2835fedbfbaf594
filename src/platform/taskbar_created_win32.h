#pragma once

#include <windows.h>

namespace kuvano {

// The message the shell broadcasts to top-level windows when the taskbar is
// created anew: tray icons and desktop toolbars must then be added again.
UINT TaskbarCreatedMessage();
// Lets the broadcast through to `window` when the program runs elevated,
// where the system filters registered messages from lower processes.
void ReceiveTaskbarCreated(HWND window);

}  // namespace kuvano
