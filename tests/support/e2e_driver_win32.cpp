#include "support/e2e_driver_win32.h"

#include <process.h>
#include <gtest/gtest.h>

#include <thread>

#include "platform/failure_report_win32.h"

namespace kuvano::testing {

bool Eventually(const std::function<bool()>& holds, std::chrono::milliseconds patience) {
    for (const auto end = std::chrono::steady_clock::now() + patience; !holds();) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

void Start(const std::wstring& program) {
    // Wine's explorer can refuse a start while an earlier program is still ending.
    ASSERT_TRUE(Eventually([&] {
        return _wspawnlp(_P_NOWAIT, L"explorer.exe", L"explorer.exe", L"/desktop=shell,1280x800",
                         (L"\"" + program + L"\"").c_str(), nullptr) != -1;
    }));
    static const bool joined =
        Eventually([] { return SetThreadDesktop(OpenDesktopW(L"shell", 0, FALSE, GENERIC_ALL)) != FALSE; });
    ASSERT_TRUE(joined);
}

HWND WindowOf(const wchar_t* className) {
    HWND found = nullptr;
    Eventually([&] { return (found = FindWindowW(className, nullptr)) != nullptr; });
    return found;
}

bool Shown(HWND window) { return Eventually([&] { return IsWindowVisible(window); }); }
bool Hidden(HWND window) { return Eventually([&] { return !IsWindowVisible(window); }); }

bool WaitForExit(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);  // none when already gone
    const bool ended = !process || WaitForSingleObject(process, 20'000) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    return ended;
}

long long FailuresOf(HWND mainWindow) {
    DWORD_PTR count = 0;
    return SendMessageTimeoutW(mainWindow, FailureCountMessage(), 0, 0, SMTO_BLOCK, 5000, &count) ? count : -1;
}

COLORREF Pixel(int x, int y) {
    static const HDC screen = GetDC(nullptr);
    return GetPixel(screen, x, y);
}

double ScreenShows(const PixelImage& picture, int left, int top) {
    int opaque = 0, matching = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba p = picture.At(x, y);
            opaque += p.a != 0;
            matching += p.a != 0 && Pixel(left + x, top + y) == RGB(p.r, p.g, p.b);
        }
    }
    return static_cast<double>(matching) / opaque;
}

}  // namespace kuvano::testing
