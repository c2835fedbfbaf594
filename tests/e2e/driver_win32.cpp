#include "e2e/driver_win32.h"

#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

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
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot start explorer.exe");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

std::optional<HWND> Driver::FindWindowOf(const std::wstring& program, const wchar_t* className,
                                         std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    Search search{Canonical(program), className, {}};
    do {
        search.found.clear();
        EnumDesktopsW(GetProcessWindowStation(), SearchDesktop, reinterpret_cast<LPARAM>(&search));
        if (!search.found.empty()) return search.found.front();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
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

bool Driver::HasVisibleStyle(HWND window) {
    for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
        if (!(GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE)) return false;
        if (w == GetDesktopWindow()) break;
    }
    return true;
}

}  // namespace kuvano::e2e
