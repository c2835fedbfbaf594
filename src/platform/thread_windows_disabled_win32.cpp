#include "platform/thread_windows_disabled_win32.h"

namespace kuvano {
namespace {

struct Search {
    HWND except;
    std::vector<HWND>& found;
};

BOOL CALLBACK CollectEnabled(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    if (window != search.except && IsWindowEnabled(window)) search.found.push_back(window);
    return TRUE;
}

}  // namespace

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND except) {
    Search search{except, disabled_};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&search));
    for (const HWND window : disabled_) EnableWindow(window, FALSE);
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
    for (const HWND window : disabled_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
}

}  // namespace kuvano
