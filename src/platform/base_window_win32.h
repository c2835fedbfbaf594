#pragma once

#include <windows.h>

#include <string>
#include <system_error>
#include <utility>

#include "core/geometry.h"
#include "core/window_place.h"
#include "platform/failure_report.h"
#include "platform/work_area_win32.h"

namespace kuvano {

// Base of every window class: registers the class once, keeps `this` with the
// window from WM_NCCREATE on and sends each message to Derived::HandleMessage.
// Derived provides `static const wchar_t* ClassName()` and
// `LRESULT HandleMessage(UINT, WPARAM, LPARAM)`, and may give its class
// styles as `static constexpr UINT kClassStyle`.
//
// A derived window creates its window in its constructor, once its members
// exist, and builds its controls there: the messages of the creation itself
// get default handling, and only then does HandleMessage take over.
template <typename Derived>
class BaseWindow {
public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;
    // By the time this runs the derived object is gone: the window is
    // detached first, so that none of the messages its destruction sends can
    // reach a handler. What a derived window must undo when its object ends,
    // it undoes in its own destructor.
    virtual ~BaseWindow() {
        if (!hwnd_) return;
        const HWND hwnd = std::exchange(hwnd_, nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }

    HWND Handle() const { return hwnd_; }

protected:
    struct WindowOptions {
        DWORD exStyle = 0;
        DWORD style = 0;
        const wchar_t* title = L"";
        HWND parent = nullptr;
        int x = CW_USEDEFAULT;
        int y = CW_USEDEFAULT;
        int width = CW_USEDEFAULT;
        int height = CW_USEDEFAULT;
    };

    // Throws std::system_error when the system refuses the window.
    void Create(const WindowOptions& options) {
        RegisterOnce();
        const HWND created =
            CreateWindowExW(options.exStyle, Derived::ClassName(), options.title, options.style, options.x, options.y,
                            options.width, options.height, options.parent, nullptr, GetModuleHandleW(nullptr), this);
        if (!created) {
            hwnd_ = nullptr;
            throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "creating a window");
        }
        handling_ = true;
    }

    // A window of the given size, frame included, centred in the primary
    // monitor's work area.
    void CreateCentered(const wchar_t* title, DWORD style, DWORD exStyle, HWND owner, Size window) {
        const Point at = Centred(PrimaryWorkArea(), window);
        Create({.exStyle = exStyle,
                .style = style,
                .title = title,
                .parent = owner,
                .x = at.x,
                .y = at.y,
                .width = window.width,
                .height = window.height});
    }

    // The program's windows live until it ends: closing one only hides it.
    LRESULT HideInsteadOfClosing() {
        ShowWindow(hwnd_, SW_HIDE);
        return 0;
    }

    // What a message the derived window leaves alone does. A window that
    // takes part in dialog navigation also moves the focus on WM_NEXTDLGCTL,
    // as a dialog does: a multi-line edit keeps Tab and asks its parent.
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NEXTDLGCTL && (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) {
            NextDialogControl(wParam, lParam);
            return 0;
        }
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    // The control named by handle, or the next (previous) tab stop from the focus.
    void NextDialogControl(WPARAM target, LPARAM byHandle) {
        const HWND next =
            LOWORD(byHandle) ? reinterpret_cast<HWND>(target) : GetNextDlgTabItem(hwnd_, GetFocus(), target != 0);
        if (next) SetFocus(next);
    }

    static constexpr UINT ClassStyle() {
        if constexpr (requires { Derived::kClassStyle; }) {
            return Derived::kClassStyle;
        } else {
            return 0;
        }
    }

    static void RegisterOnce() {
        static const ATOM atom = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.style = ClassStyle();
            windowClass.lpfnWndProc = &BaseWindow::WindowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            windowClass.lpszClassName = Derived::ClassName();
            return RegisterClassExW(&windowClass);
        }();
        (void)atom;
    }

    // No exception may leave a window procedure: one that a handler throws
    // is reported and the message gets default handling, but for a close or
    // a session's end, which are refused rather than let through unsaved.
    static LRESULT AfterFailure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        try {
            ReportCaughtFailure(L"window message " + std::to_wstring(message));
        } catch (...) {
            ReportCaughtFailure(L"a window message");
        }
        switch (message) {
            case WM_CLOSE: return 0;
            case WM_QUERYENDSESSION: return FALSE;
            default: return DefWindowProcW(hwnd, message, wParam, lParam);
        }
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self || !self->handling_) return DefWindowProcW(hwnd, message, wParam, lParam);
        LRESULT result = 0;
        try {
            result = static_cast<Derived*>(self)->HandleMessage(message, wParam, lParam);
        } catch (...) {
            result = AfterFailure(hwnd, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            // No message may reach the object once its window is gone.
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            self->handling_ = false;
        }
        return result;
    }

    HWND hwnd_ = nullptr;
    bool handling_ = false;  // from the end of the creation to the window's end
};

}  // namespace kuvano
