#include "platform/dll_search_win32.h"

#include <windows.h>

namespace kuvano {

bool RestrictDllSearchToSystemFolder() {
    const bool systemOnly = SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
    const bool noCurrentFolder = SetDllDirectoryW(L"") != FALSE;
    return systemOnly && noCurrentFolder;
}

}  // namespace kuvano
