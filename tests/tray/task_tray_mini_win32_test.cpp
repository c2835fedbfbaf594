#include "tray/task_tray_mini_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace kuvano {
namespace {

// A hidden form to own the components. As a menu's command window it notes
// being asked to draw an item picture, then closes the menu.
struct OwnerForm {
    OwnerForm() {
        static const ATOM atom = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.lpfnWndProc = &Procedure;
            windowClass.lpszClassName = L"KuvanoTestOwner";
            return RegisterClassExW(&windowClass);
        }();
        handle = CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_OVERLAPPEDWINDOW, 0, 0, 99, 99, {}, {}, {}, {});
    }
    ~OwnerForm() { DestroyWindow(handle); }
    void Notify(int32_t identifier, UINT mouseMessage) const {
        const HWND callback = FindWindowExW(handle, nullptr, L"TMyCallback", nullptr);
        SendMessageW(callback, kTrayCallbackMessage, static_cast<WPARAM>(identifier), mouseMessage);
    }
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_MEASUREITEM:
                reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemWidth = 16;
                reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
                SetTimer(window, 1, 2000, nullptr);  // closes the menu even if nothing is drawn
                return TRUE;
            case WM_DRAWITEM:
                drawnBy = window;
                SetTimer(window, 1, 10, nullptr);  // closes the menu from inside its loop
                return TRUE;
            case WM_TIMER:
                KillTimer(window, 1);
                EndMenu();
                return 0;
            default: return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    static inline HWND drawnBy = nullptr;
    HWND handle;
};

// The menu's owner is the callback window, which must hand the item pictures
// on to the command window: otherwise the tray's menu would show none.
TEST(TTaskTrayMini, OpensItsMenuOnTheRightReleaseWithThePicturesOfItsCommandWindow) {
    OwnerForm owner, commands;
    TTaskTrayMini tray(owner.handle);
    const HMENU menu = CreatePopupMenu();
    MENUITEMINFOW item{.cbSize = sizeof(MENUITEMINFOW),
                       .fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP,
                       .wID = 1,
                       .dwTypeData = const_cast<wchar_t*>(L"item"),
                       .hbmpItem = HBMMENU_CALLBACK};
    InsertMenuItemW(menu, 0, TRUE, &item);
    tray.PopupMenuR = {menu, commands.handle};
    OwnerForm::drawnBy = nullptr;
    owner.Notify(tray.Identifier(), WM_RBUTTONDOWN);  // the press opens nothing
    EXPECT_EQ(OwnerForm::drawnBy, nullptr);
    owner.Notify(tray.Identifier(), WM_RBUTTONUP);
    EXPECT_EQ(OwnerForm::drawnBy, commands.handle);
    DestroyMenu(menu);
}

}  // namespace
}  // namespace kuvano
