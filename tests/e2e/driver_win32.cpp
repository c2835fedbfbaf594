#include "e2e/driver_win32.h"

#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/failure_report_win32.h"
#include "tray/task_tray_mini_win32.h"

namespace kuvano::e2e {
namespace {

// Wine gives a desktop named "shell" a taskbar with a notification area.
constexpr wchar_t kDesktop[] = L"shell,1280x800";

std::wstring ImagePathOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return {};
    wchar_t path[MAX_PATH * 4]{};
    DWORD length = MAX_PATH * 4;
    const BOOL ok = QueryFullProcessImageNameW(process, 0, path, &length);
    CloseHandle(process);
    return ok ? std::wstring(path, length) : std::wstring{};
}

// Wine may report the image with another spelling of the same path.
std::wstring Canonical(const std::wstring& path) {
    wchar_t full[MAX_PATH * 4]{};
    GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr);
    std::wstring text = full;
    for (wchar_t& c : text) c = c == L'/' ? L'\\' : static_cast<wchar_t>(towlower(c));
    return text;
}

struct Search {
    std::wstring program;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    wchar_t className[256]{};
    GetClassNameW(window, className, 256);
    if (std::wstring(className) == search.className && Canonical(ImagePathOf(window)) == search.program) {
        search.found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK SearchDesktop(LPWSTR name, LPARAM context) {
    const HDESK desktop = OpenDesktopW(name, 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
    if (desktop) {
        EnumDesktopWindows(desktop, CheckWindow, context);
        CloseDesktop(desktop);
    }
    return TRUE;
}

}  // namespace

std::wstring Driver::ProgramUnderTest() {
    const char* exe = std::getenv("KUVANO_EXE");
    if (!exe) throw std::runtime_error("KUVANO_EXE must name the Kuvano.exe under test");
    const std::string narrow = exe;
    return {narrow.begin(), narrow.end()};
}

void Driver::Start(const std::wstring& program) {
    std::wstring commandLine = L"explorer.exe /desktop=" + std::wstring(kDesktop) + L" \"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // Wine's explorer can refuse a start while an earlier program is still ending.
    for (int attempt = 0;
         !CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
         ++attempt) {
        if (attempt == 3)
            throw std::runtime_error("cannot start explorer.exe, error " + std::to_string(GetLastError()));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

std::vector<HWND> Driver::WindowsOf(const std::wstring& program, const wchar_t* className) {
    Search search{Canonical(program), className, {}};
    EnumDesktopsW(GetProcessWindowStation(), SearchDesktop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<HWND> Driver::FindWindowOf(const std::wstring& program, const wchar_t* className,
                                         std::chrono::milliseconds patience) {
    std::optional<HWND> first;
    Eventually(
        [&] {
            const std::vector<HWND> found = WindowsOf(program, className);
            if (!found.empty()) first = found.front();
            return first.has_value();
        },
        patience);
    return first;
}

bool Driver::WaitForExit(HWND window, std::chrono::milliseconds patience) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return !IsWindow(window);  // already gone
    const DWORD result = WaitForSingleObject(process, static_cast<DWORD>(patience.count()));
    CloseHandle(process);
    return result == WAIT_OBJECT_0;
}

RECT Driver::WaitForRect(HWND window, const std::function<bool(const RECT&)>& placed,
                         std::chrono::milliseconds patience) {
    RECT frame{};
    Eventually([&] { return GetWindowRect(window, &frame) && placed(frame); }, patience);
    return frame;
}

bool Driver::Eventually(const std::function<bool()>& holds, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!holds()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

long long Driver::FailuresOf(HWND mainWindow) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(mainWindow, FailureCountMessage(), 0, 0, SMTO_BLOCK, 5000, &count)) return -1;
    return static_cast<long long>(count);
}

void Driver::NotifyTray(HWND mainWindow, UINT mouseMessage) {
    const HWND callback = FindWindowExW(mainWindow, nullptr, L"TMyCallback", nullptr);
    if (!callback) throw std::runtime_error("the tray's callback window is missing");
    PostMessageW(callback, kTrayCallbackMessage, 1, mouseMessage);
}

// ImageMagick's import, a Linux program that Wine starts like any other,
// writes the pixels as raw RGB; its process cannot be waited for, so the
// file is awaited instead.
std::vector<Driver::Rgb> Driver::Screenshot(int x, int y, int width, int height) {
    static int count = 0;
    const std::string name =
        "/tmp/kuvano-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count) + ".rgb";
    const std::wstring wideName(name.begin(), name.end());
    std::wstring command = L"Z:\\usr\\bin\\import -window root -depth 8 -crop " + std::to_wstring(width) + L"x" +
                           std::to_wstring(height) + L"+" + std::to_wstring(x) + L"+" + std::to_wstring(y) + L" rgb:" +
                           wideName;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot start import");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const size_t expected = static_cast<size_t>(width * height * 3);
    const std::wstring windowsName = L"Z:" + wideName;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::ifstream file(windowsName.c_str(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        if (bytes.size() != expected) continue;
        DeleteFileW(windowsName.c_str());
        std::vector<Rgb> pixels;
        for (size_t i = 0; i < bytes.size(); i += 3) {
            pixels.push_back({static_cast<uint8_t>(bytes[i]), static_cast<uint8_t>(bytes[i + 1]),
                              static_cast<uint8_t>(bytes[i + 2])});
        }
        return pixels;
    }
    throw std::runtime_error("no screenshot arrived");
}

Driver::TrayMatch Driver::TrayShows(const PixelImage& picture) {
    const auto screen = Screenshot(kTrayIconX, kTrayIconY, picture.width, picture.height);
    TrayMatch match{0, 0};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba p = picture.At(x, y);
            if (p.a == 0) continue;
            ++match.opaque;
            match.matching += screen[static_cast<size_t>(y * picture.width + x)] == Rgb{p.r, p.g, p.b};
        }
    }
    return match;
}

// The list view reads and writes the item record in its own process, so the
// record and its text buffer are placed there.
std::wstring Driver::ListViewText(HWND listView, int row, int column) {
    DWORD processId = 0;
    GetWindowThreadProcessId(listView, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) throw std::runtime_error("cannot open the list's process");
    constexpr int kCapacity = 1024;
    const size_t size = sizeof(LVITEMW) + kCapacity * sizeof(wchar_t);
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
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

bool Driver::HasVisibleStyle(HWND window) {
    for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
        if (!(GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE)) return false;
        if (w == GetDesktopWindow()) break;
    }
    return true;
}

}  // namespace kuvano::e2e
