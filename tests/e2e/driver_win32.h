#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace kuvano::e2e {

// Drives the real Kuvano.exe from outside, as a user's desktop would: starts
// it in a Wine virtual desktop with a taskbar and finds its windows there.
class Driver {
public:
    static constexpr auto kPatience = std::chrono::seconds(20);

    // The Kuvano.exe under test, from KUVANO_EXE.
    static std::wstring ProgramUnderTest();

    // Starts `program` in the virtual desktop; its windows live there.
    static void Start(const std::wstring& program);

    // A top-level window of class `className` that belongs to a process
    // started from `program`, in any desktop.
    static std::optional<HWND> FindWindowOf(const std::wstring& program, const wchar_t* className,
                                            std::chrono::milliseconds patience = kPatience);

    // Waits until the process owning `window` has ended.
    static bool WaitForExit(HWND window, std::chrono::milliseconds patience = kPatience);

    // Visibility as the window's own style bits say (IsWindowVisible does not
    // work across desktops).
    static bool HasVisibleStyle(HWND window);
};

}  // namespace kuvano::e2e
