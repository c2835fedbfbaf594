#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/settings.h"

namespace kuvano {

// The commands of the program's one menu, which the sidebar and the tray open.
enum class MenuCommand : uint16_t {
    DockTop = 101,
    DockBottom,
    DockLeft,
    DockRight,
    SwitchBarsAndPies,
    ShowSettings,
    ChooseStripColour,
    ShowFolderSizes,
    ShowHelp,
    Quit,
    NotifyLowSpace,
    StartAtSignIn,
};

struct MenuItem {
    std::u16string_view caption;  // "-" is a separator
    int picture;                  // index into the menu pictures, or -1 for none
    MenuCommand command;
};

// Top to bottom. The full-width "＆" of the folder item is an ordinary
// character, so that item has no accelerator. The two choices carry a check
// mark instead of a picture.
inline constexpr std::array<MenuItem, 15> kMenuItems{{
    {u"上端表示(&T)", 7, MenuCommand::DockTop},
    {u"下端表示(&D)", 6, MenuCommand::DockBottom},
    {u"左端表示(&L)", 3, MenuCommand::DockLeft},
    {u"右端表示(&R)", 4, MenuCommand::DockRight},
    {u"-", -1, MenuCommand{}},
    {u"棒グラフ／円グラフ切り替え(&P)", 9, MenuCommand::SwitchBarsAndPies},
    {u"設定パネル表示(&S)", 10, MenuCommand::ShowSettings},
    {u"タスクバーの色設定(&C)", 2, MenuCommand::ChooseStripColour},
    {u"フォルダサイズ表示（＆F)", 8, MenuCommand::ShowFolderSizes},
    {u"バージョン＆ヘルプ(&H)", 5, MenuCommand::ShowHelp},
    {u"-", -1, MenuCommand{}},
    {u"空き容量が警告値を下回ったら通知(&N)", -1, MenuCommand::NotifyLowSpace},
    {u"Windows の起動時に開始(&W)", -1, MenuCommand::StartAtSignIn},
    {u"-", -1, MenuCommand{}},
    {u"Kuvanoの終了(&X)", 1, MenuCommand::Quit},
}};

// The edge a docking command chooses; nothing for the other commands.
std::optional<SidebarEdge> EdgeOf(MenuCommand command);

// Bars become pies and pies bars.
GaugeStyle OtherStyle(GaugeStyle style);

}  // namespace kuvano
