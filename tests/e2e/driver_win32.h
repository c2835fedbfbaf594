#pragma once
// Drives the real Kuvano.exe from outside, as a user's desktop would: starts
// it in a Wine virtual desktop with a taskbar and finds its windows there.
// Every wait looks at something the program shows, until a deadline.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/free_level.h"
#include "platform/drive_platform_win32.h"
#include "platform/failure_report_win32.h"
#include "tray/task_tray_mini_win32.h"
#include "tray/tray_pictures.h"

namespace kuvano::e2e {

// Enough for a start or a paint on a loaded machine; only a failure waits it out.
constexpr auto kPatience = std::chrono::seconds(20);

inline bool Eventually(const std::function<bool()>& holds, std::chrono::milliseconds patience = kPatience) {
    for (const auto end = std::chrono::steady_clock::now() + patience; !holds();) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

inline std::wstring ProgramUnderTest() {
    const std::string exe = std::getenv("KUVANO_EXE") ? std::getenv("KUVANO_EXE") : "";
    if (exe.empty()) throw std::runtime_error("KUVANO_EXE must name the Kuvano.exe under test");
    return {exe.begin(), exe.end()};
}

// Wine may report a process's image with another spelling of the same path.
inline std::wstring Canonical(const std::wstring& path) {
    wchar_t full[MAX_PATH * 4]{};
    GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr);
    std::wstring text = full;
    for (wchar_t& c : text) c = c == L'/' ? L'\\' : static_cast<wchar_t>(towlower(c));
    return text;
}

inline std::wstring ImagePathOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    wchar_t path[MAX_PATH * 4]{};
    DWORD length = MAX_PATH * 4;
    const bool ok = process && QueryFullProcessImageNameW(process, 0, path, &length);
    if (process) CloseHandle(process);
    return ok ? Canonical(std::wstring(path, length)) : std::wstring{};
}

// Every top-level window of the class that a process of `program` owns in
// the desktop named "shell", to which Wine gives a taskbar.
inline std::vector<HWND> WindowsOf(const std::wstring& program, const wchar_t* className) {
    struct Search {
        std::wstring program, className;
        std::vector<HWND> found;
    } search{Canonical(program), className, {}};
    const HDESK desktop = OpenDesktopW(L"shell", 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
    if (!desktop) return {};
    EnumDesktopWindows(
        desktop,
        [](HWND window, LPARAM context) -> BOOL {
            auto& wanted = *reinterpret_cast<Search*>(context);
            wchar_t name[256]{};
            GetClassNameW(window, name, 256);
            if (name == wanted.className && ImagePathOf(window) == wanted.program) wanted.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    CloseDesktop(desktop);
    return search.found;
}

// The first window of the class once one exists, or nullptr.
inline HWND WindowOf(const std::wstring& program, const wchar_t* className) {
    HWND first = nullptr;
    Eventually([&] {
        const std::vector<HWND> found = WindowsOf(program, className);
        return (first = found.empty() ? nullptr : found.front()) != nullptr;
    });
    return first;
}

inline bool Run(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Wine's explorer can refuse a start while an earlier program is still ending.
inline void Start(const std::wstring& program) {
    if (!Eventually([&] { return Run(L"explorer.exe /desktop=shell,1280x800 \"" + program + L"\""); }))
        throw std::runtime_error("cannot start explorer.exe");
}

inline bool WaitForExit(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return !IsWindow(window);  // already gone
    const DWORD result = WaitForSingleObject(process, static_cast<DWORD>(kPatience.count() * 1000));
    CloseHandle(process);
    return result == WAIT_OBJECT_0;
}

// As the style bits say: IsWindowVisible does not work across desktops.
inline bool HasVisibleStyle(HWND window) {
    for (HWND w = window; w && w != GetDesktopWindow(); w = GetAncestor(w, GA_PARENT)) {
        if (!(GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE)) return false;
    }
    return window != nullptr;
}

// The program shows the user no failure; it answers their count to a registered message.
inline long long FailuresOf(HWND mainWindow) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(mainWindow, FailureCountMessage(), 0, 0, SMTO_BLOCK, 5000, &count)) return -1;
    return static_cast<long long>(count);
}

// The tray icon's notification, as the shell sends it for a mouse action.
inline void NotifyTray(HWND mainWindow, UINT mouseMessage) {
    const HWND callback = FindWindowExW(mainWindow, nullptr, L"TMyCallback", nullptr);
    if (!callback) throw std::runtime_error("the tray's callback window is missing");
    PostMessageW(callback, kTrayCallbackMessage, 1, mouseMessage);
}

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

// The screen's pixels, row by row, as the X server shows them: ImageMagick's
// import, a Linux program that Wine starts like any other, writes them as
// raw RGB; its process cannot be waited for, so the file is awaited.
inline std::vector<Rgb> Screenshot(int x, int y, int width, int height) {
    static int count = 0;
    const std::wstring file = L"/tmp/kuvano-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++count) + L".rgb";
    if (!Run(L"Z:\\usr\\bin\\import -window root -depth 8 -crop " + std::to_wstring(width) + L"x" +
             std::to_wstring(height) + L"+" + std::to_wstring(x) + L"+" + std::to_wstring(y) + L" rgb:" + file))
        throw std::runtime_error("cannot start import");
    std::string bytes;
    const bool arrived = Eventually([&] {
        std::ifstream in((L"Z:" + file).c_str(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        return bytes.size() == static_cast<size_t>(width * height * 3);
    });
    DeleteFileW((L"Z:" + file).c_str());
    if (!arrived) throw std::runtime_error("no screenshot arrived");
    std::vector<Rgb> pixels;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        pixels.push_back({static_cast<uint8_t>(bytes[i]), static_cast<uint8_t>(bytes[i + 1]),
                          static_cast<uint8_t>(bytes[i + 2])});
    }
    return pixels;
}

inline Rgb Pixel(int x, int y) { return Screenshot(x, y, 1, 1).front(); }

// The tray picture of the drive's free level, as it is now.
inline PixelImage TrayPicture(TrayIconKind kind, const char16_t* root) {
    const DriveSpace space = DrivePlatformWin32().Space(root);
    return TrayPictures(kind).at(static_cast<size_t>(FreeLevel(space.freeBytes, space.totalBytes)));
}

// The share of the picture's opaque pixels that the place of the first icon
// in the notification area of a 1280 x 800 desktop shows.
inline double TrayShows(const PixelImage& picture) {
    const auto screen = Screenshot(1262, 782, picture.width, picture.height);
    int opaque = 0, matching = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba p = picture.At(x, y);
            opaque += p.a != 0;
            matching += p.a != 0 && screen[static_cast<size_t>(y * picture.width + x)] == Rgb{p.r, p.g, p.b};
        }
    }
    return static_cast<double>(matching) / opaque;
}

// A list view reads and writes the item record in its own process, so the
// record and its text buffer are placed there.
inline std::wstring ListViewText(HWND listView, int row, int column) {
    DWORD processId = 0;
    GetWindowThreadProcessId(listView, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) throw std::runtime_error("cannot open the list's process");
    constexpr int kCapacity = 1024;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kCapacity * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
    item.cchTextMax = kCapacity;
    std::wstring text(kCapacity, L'\0');
    bool ok = remote && WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
    const auto length =
        ok ? SendMessageW(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote)) : 0;
    ok = ok && ReadProcessMemory(process, item.pszText, text.data(), kCapacity * sizeof(wchar_t), nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    if (!ok) throw std::runtime_error("cannot read the list's text");
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace kuvano::e2e
