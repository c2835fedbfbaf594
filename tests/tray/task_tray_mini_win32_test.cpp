#include "tray/task_tray_mini_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kuvano {
namespace {

// A hidden form to own the components. As a menu's command window it is asked
// to measure and draw the item pictures, then closes the menu.
class OwnerForm {
public:
    OwnerForm() {
        static const ATOM atom = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.lpfnWndProc = &OwnerForm::Procedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"KuvanoTestOwner";
            return RegisterClassExW(&windowClass);
        }();
        (void)atom;
        handle = CreateWindowExW(0, L"KuvanoTestOwner", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    ~OwnerForm() { DestroyWindow(handle); }

    HWND CallbackWindow() const { return FindWindowExW(handle, nullptr, L"TMyCallback", nullptr); }

    // The forms last asked to measure and to draw a menu's item picture.
    static inline HWND measuredBy = nullptr;
    static inline HWND drawnBy = nullptr;
    HWND handle;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_MEASUREITEM: {
                measuredBy = window;
                auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
                item.itemWidth = item.itemHeight = 16;
                SetTimer(window, 1, 2000, nullptr);  // closes the menu even if nothing is drawn
                return TRUE;
            }
            case WM_DRAWITEM:
                drawnBy = window;
                SetTimer(window, 1, 10, nullptr);  // close the menu again from inside its loop
                return TRUE;
            case WM_TIMER:
                KillTimer(window, 1);
                EndMenu();
                return 0;
            default: return DefWindowProcW(window, message, wParam, lParam);
        }
    }
};

struct Recorded {
    char event;  // 'U' up, 'D' down, 'u' middle up, 'd' middle down
    TrayMouseButton button;
};

void Wire(TTaskTrayMini& tray, std::vector<Recorded>& events) {
    tray.OnMouseUp = [&events](const TrayMouseEvent& e) { events.push_back({'U', e.button}); };
    tray.OnMouseDown = [&events](const TrayMouseEvent& e) { events.push_back({'D', e.button}); };
    tray.OnMMouseUp = [&events](const TrayMouseEvent& e) { events.push_back({'u', e.button}); };
    tray.OnMMouseDown = [&events](const TrayMouseEvent& e) { events.push_back({'d', e.button}); };
}

void Notify(HWND callback, int32_t identifier, UINT mouseMessage) {
    SendMessageW(callback, kTrayCallbackMessage, static_cast<WPARAM>(identifier), mouseMessage);
}

TEST(TTaskTrayMini, DispatchesNotificationsToTheComponentTheyName) {
    OwnerForm owner;
    TTaskTrayMini first(owner.handle);
    TTaskTrayMini second(owner.handle);
    EXPECT_EQ(second.Identifier(), first.Identifier() + 1);
    const HWND callback = owner.CallbackWindow();
    ASSERT_NE(callback, nullptr);

    std::vector<Recorded> firstEvents, secondEvents;
    Wire(first, firstEvents);
    Wire(second, secondEvents);
    for (UINT message : {0x200u, 0x201u, 0x202u, 0x203u, 0x204u, 0x206u, 0x207u, 0x208u, 0x209u}) {
        Notify(callback, first.Identifier(), message);
    }
    Notify(callback, second.Identifier(), 0x202);
    Notify(callback, 999, 0x202);  // nobody's identifier

    ASSERT_EQ(firstEvents.size(), 4u);
    EXPECT_EQ(firstEvents[0].event, 'D');
    EXPECT_EQ(firstEvents[1].event, 'U');
    EXPECT_EQ(firstEvents[1].button, TrayMouseButton::Left);
    EXPECT_EQ(firstEvents[2].event, 'd');
    EXPECT_EQ(firstEvents[3].event, 'u');
    EXPECT_EQ(firstEvents[3].button, TrayMouseButton::Middle);
    ASSERT_EQ(secondEvents.size(), 1u);
    EXPECT_EQ(secondEvents[0].event, 'U');
}

TEST(TTaskTrayMini, ClosedGatesSilenceTheirEvents) {
    OwnerForm owner;
    TTaskTrayMini tray(owner.handle);
    std::vector<Recorded> events;
    Wire(tray, events);
    tray.EnableMouseUp = tray.EnableMouseDown = tray.EnableMMouseUp = tray.EnableMMouseDown = false;
    for (UINT message : {0x201u, 0x202u, 0x207u, 0x208u}) Notify(owner.CallbackWindow(), tray.Identifier(), message);
    EXPECT_TRUE(events.empty());
    tray.EnableMMouseDown = true;
    Notify(owner.CallbackWindow(), tray.Identifier(), 0x207);
    EXPECT_EQ(events.size(), 1u);
}

// The menu's owner is the callback window, which hands the item pictures on
// to the command window: otherwise the tray's menu would show none.
TEST(TTaskTrayMini, OpensThePopupMenuOnARightButtonRelease) {
    OwnerForm owner;
    OwnerForm commands;
    TTaskTrayMini tray(owner.handle);
    OwnerForm::measuredBy = OwnerForm::drawnBy = nullptr;
    Notify(owner.CallbackWindow(), tray.Identifier(), 0x205);
    EXPECT_EQ(OwnerForm::measuredBy, nullptr);  // no menu assigned

    const HMENU menu = CreatePopupMenu();
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP;
    item.wID = 1;
    item.dwTypeData = const_cast<wchar_t*>(L"item");
    item.hbmpItem = HBMMENU_CALLBACK;
    InsertMenuItemW(menu, 0, TRUE, &item);
    tray.PopupMenuR = {menu, commands.handle};
    Notify(owner.CallbackWindow(), tray.Identifier(), 0x204);  // the press does nothing
    EXPECT_EQ(OwnerForm::measuredBy, nullptr);
    Notify(owner.CallbackWindow(), tray.Identifier(), 0x205);
    EXPECT_EQ(OwnerForm::measuredBy, commands.handle);
    EXPECT_EQ(OwnerForm::drawnBy, commands.handle);
    DestroyMenu(menu);
}

TEST(TTaskTrayMini, NoNotificationReachesADestroyedComponent) {
    OwnerForm owner;
    std::vector<Recorded> events;
    int32_t identifier = 0;
    {
        TTaskTrayMini tray(owner.handle);
        Wire(tray, events);
        identifier = tray.Identifier();
    }
    Notify(owner.CallbackWindow(), identifier, 0x202);
    EXPECT_TRUE(events.empty());
}

struct Sent {
    DWORD message;
    HICON icon;
    std::wstring tip;
    bool operator==(const Sent&) const = default;
};

TEST(TTaskTrayMini, SendsAModifyOnlyForANewPictureOrTip) {
    OwnerForm owner;
    std::vector<Sent> sent;
    TTaskTrayMini tray(owner.handle, [&sent](DWORD message, NOTIFYICONDATAW* record) {
        sent.push_back({message, record->hIcon, record->szTip});
        return TRUE;
    });
    const HICON level = LoadIconW(nullptr, IDI_APPLICATION);
    const HICON warning = LoadIconW(nullptr, IDI_WARNING);
    tray.SetIcon(TTaskTrayMini::kAdd, level, u"C 10");
    tray.SetIcon(TTaskTrayMini::kModify, level, u"C 10");  // nothing new: not sent
    tray.SetIcon(TTaskTrayMini::kModify, level, u"C 9");
    tray.SetIcon(TTaskTrayMini::kModify, warning, u"C 9");  // blink steps
    tray.SetIcon(TTaskTrayMini::kModify, level, u"C 9");
    tray.SetIcon(TTaskTrayMini::kModify, level, u"C 9");
    const std::vector<Sent> expected{{NIM_ADD, level, L"C 10"},
                                     {NIM_MODIFY, level, L"C 9"},
                                     {NIM_MODIFY, warning, L"C 9"},
                                     {NIM_MODIFY, level, L"C 9"}};
    EXPECT_EQ(sent, expected);
}

}  // namespace
}  // namespace kuvano
