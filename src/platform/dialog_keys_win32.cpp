#include "platform/dialog_keys_win32.h"

namespace kuvano {

bool TranslateDialogKeys(MSG& message) {
    if (!message.hwnd || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!root || !(GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return false;
    return IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace kuvano
