#include "platform/wine_win32.h"

#include <windows.h>

namespace kuvano {

bool RunningUnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

}  // namespace kuvano
