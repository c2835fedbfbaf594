// The idle baseline: the least a program with Kuvano's two timers costs.
// One window, a 500 ms and a 1 s timer that do nothing, a message loop.
#include <windows.h>

namespace {

constexpr UINT_PTR kTrayTick = 1;
constexpr UINT_PTR kSidebarTick = 2;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"KuvanoIdleBaseline";
    if (!RegisterClassExW(&windowClass)) return 1;
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"idle baseline",
                                        WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    SetTimer(window, kTrayTick, 500, nullptr);
    SetTimer(window, kSidebarTick, 1000, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
