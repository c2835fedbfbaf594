#pragma once

#include <windows.h>

namespace kuvano {

// Tab, Shift+Tab, the arrows, Enter and Esc for the program's windows that
// take part in dialog navigation (WS_EX_CONTROLPARENT on the top-level
// window): true when the key was handled and the message must not be
// dispatched. Enter sends WM_COMMAND with the focused or default button's id
// (IDOK when there is none), Esc sends IDCANCEL. Every message loop of the
// program calls it, nested ones included, so keys behave alike everywhere.
bool TranslateDialogKeys(MSG& message);

}  // namespace kuvano
