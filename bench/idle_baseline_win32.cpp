// The idle baselines: the least a program with Kuvano's two timers costs.
// One window, a 500 ms and a 1 s timer, a message loop. Built twice: with
// the timers alone, and (KUVANO_IDLE_DRIVE_QUERIES 1) with the drive
// queries Kuvano must make at rest and nothing else: the tray drive's free
// space on every 500 ms tick; once a second the mask of letters in use, a
// type query for each letter that changed (all of them the first time) and
// the free space of each removable or fixed drive from C to Z.
#include <windows.h>

#include <array>

namespace {

constexpr bool kQueriesDrives = KUVANO_IDLE_DRIVE_QUERIES != 0;
constexpr UINT_PTR kTrayTick = 1;
constexpr UINT_PTR kSidebarTick = 2;
constexpr wchar_t kTrayRoot[] = L"C:\\";

struct Letters {
    DWORD mask = 0;
    bool known = false;
    std::array<UINT, 26> types{};
};

void QuerySpace(const wchar_t* root) {
    ULARGE_INTEGER freeToCaller{}, total{};
    SetErrorMode(SEM_FAILCRITICALERRORS);
    GetDiskFreeSpaceExW(root, &freeToCaller, &total, nullptr);
    SetErrorMode(0);
}

void QueryWatchedDrives() {
    static Letters letters;
    const DWORD mask = GetLogicalDrives();
    const DWORD changed = letters.known ? mask ^ letters.mask : ~DWORD{0};
    letters.mask = mask;
    letters.known = true;
    for (int letter = 2; letter < 26; ++letter) {
        const wchar_t root[] = {static_cast<wchar_t>(L'A' + letter), L':', L'\\', 0};
        if (changed >> letter & 1u) letters.types[letter] = GetDriveTypeW(root);
        if (letters.types[letter] == DRIVE_REMOVABLE || letters.types[letter] == DRIVE_FIXED) QuerySpace(root);
    }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if constexpr (kQueriesDrives) {
                if (wParam == kTrayTick) QuerySpace(kTrayRoot);
                if (wParam == kSidebarTick) QueryWatchedDrives();
            }
            return 0;
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
