#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/display_scale.h"
#include "core/drive_platform.h"
#include "core/low_space_warning.h"
#include "core/settings.h"
#include "platform/base_window_win32.h"
#include "platform/scoped_win32.h"
#include "sidebar/app_bar_shell_win32.h"
#include "sidebar/bar_dock.h"
#include "sidebar/sidebar_gauges.h"
#include "sidebar/sidebar_menu.h"
#include "sidebar/sidebar_menu_win32.h"

namespace kuvano {

// What the menu asks of the rest of the program: the commands that are not
// the sidebar's own (open a window, switch a choice, end), and the check
// marks of its choices, set just before it opens.
struct ApplicationMenu {
    std::function<void(MenuCommand)> command;
    std::function<void()> opening;
};

// The sidebar: a topmost strip docked at a screen edge as a desktop toolbar,
// with a gauge per drive refreshed once a second while it shows. It opens
// the program's menu and carries out the commands that concern the strip.
class SidebarWindow final : public BaseWindow<SidebarWindow> {
public:
    static constexpr wchar_t kHint[] = L"Kuvanoタスクバー";
    // Double clicks come as WM_LBUTTONDBLCLK, which arms no gauge.
    static constexpr UINT kClassStyle = CS_DBLCLKS;

    // Owned by the hidden main window; shown at once when the settings say so.
    SidebarWindow(HWND owner, Settings& settings, const LowSpaceWarning& warning, SidebarMenu& menu,
                  ApplicationMenu application);

    // One refresh of the gauges and their hints, with this second's reading of the drives.
    void Refresh(const std::vector<WatchedDrive>& drives);
    bool IsShown() const { return IsWindowVisible(Handle()) != FALSE; }
    const SidebarGauges& Gauges() const { return gauges_; }

    static const wchar_t* ClassName() { return L"TForm4"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Docks at the settings' edge with the thickness of their gauge style.
    void Dock();
    void AfterDocking();
    void OnShellNotice(UINT notice, LPARAM lParam);
    void FollowFullScreen(bool opening);
    void GiveStripBack();
    void Paint();
    void OnLeftButton(LeftButton event, Point at);
    void UpdateHints();
    void FollowDpi(int dpi);
    static int MenuDpi();
    void OnCommand(MenuCommand command);
    void ChooseStripColour();
    void RelayToHints(UINT message, WPARAM wParam, LPARAM lParam);
    void AddHintTool(UINT id, const wchar_t* text);

    Settings& settings_;
    SidebarMenu& menu_;
    ApplicationMenu application_;
    SidebarGauges gauges_;
    std::optional<AppBarShellWin32> shell_;  // needs the window
    BarDock dock_;
    UniqueFont font_;
    int fontDpi_ = kDesignDpi;
    std::array<COLORREF, 16> customColours_{};  // the colour dialog's own row, kept between uses
    HWND hints_ = nullptr;
    // What the hint control holds of each gauge's tool.
    struct ShownHint {
        RECT place{};
        std::u16string text;
    };
    std::array<ShownHint, kSidebarSlots> shownHints_{};
};

}  // namespace kuvano
