#include "platform/taskbar_created_win32.h"

namespace kuvano {

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

void ReceiveTaskbarCreated(HWND window) {
    ChangeWindowMessageFilterEx(window, TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
}

}  // namespace kuvano
