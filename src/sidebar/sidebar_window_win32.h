#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "core/display_scale.h"
#include "core/drive_platform.h"
#include "core/low_space_warning.h"
#include "core/settings.h"
#include "platform/base_window_win32.h"
#include "platform/unique_handle_win32.h"
#include "sidebar/app_bar_shell_win32.h"
#include "sidebar/bar_dock.h"
#include "sidebar/popup_menu_win32.h"
#include "sidebar/sidebar_gauges.h"
#include "sidebar/sidebar_menu.h"

namespace kuvano {

// What the menu asks of the rest of the program: open a window, or end.
using ApplicationCommand = std::function<void(SidebarCommand)>;

// TForm4: the sidebar, a topmost strip docked at a screen edge as a desktop
// toolbar, with a gauge per drive refreshed once a second.
class TForm4 final : public BaseWindow<TForm4> {
public:
    static constexpr UINT_PTR kTimer1 = 1;
    static constexpr UINT kTimer1Interval = 1000;
    static constexpr wchar_t kHint[] = L"Kuvanoタスクバー";
    // Double clicks come as WM_LBUTTONDBLCLK, which arms no gauge.
    static constexpr UINT kClassStyle = CS_DBLCLKS;

    TForm4(Settings& settings, const DrivePlatform& drives) : settings_(settings), drives_(drives) {}
    // Owned by the hidden main window; shown at once when barhyoj is 1.
    bool Create(HWND owner);
    // The warning rule belongs to the settings panel, created after the
    // sidebar; the application takes the commands that open its windows.
    // Starts the once-a-second refresh.
    void Link(const LowSpaceWarning& warning, ApplicationCommand applicationCommand);
    HMENU Menu() const { return popupMenu1_.Handle(); }

    // Docks at the edge in iti with the thickness of the graph style.
    void myBarDock(bool renew);
    const SidebarGauges* Gauges() const { return gauges_ ? &*gauges_ : nullptr; }

    static const wchar_t* ClassName() { return L"TForm4"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void FormCreate();
    void FormHide();
    void Timer1Timer();
    void Paint();
    void OnLeftButton(LeftButton event, Point at);
    void UpdateHints();
    void FollowDpi(int dpi);
    static int MenuDpi();
    void OnCommand(SidebarCommand command);
    void pmAkiiroClick();
    void RelayToHints(UINT message, WPARAM wParam, LPARAM lParam);
    void AddHintTool(UINT id, const wchar_t* text);

    Settings& settings_;
    const DrivePlatform& drives_;
    std::optional<AppBarShellWin32> shell_;
    std::optional<BarDock> dock_;
    std::optional<SidebarGauges> gauges_;
    PopupMenu1 popupMenu1_;
    ApplicationCommand applicationCommand_;
    UniqueFont font_;
    int fontDpi_ = kDesignDpi;
    std::array<COLORREF, 16> customColours_{};  // the colour dialog's own row, kept between uses
    HWND hints_ = nullptr;
};

}  // namespace kuvano
