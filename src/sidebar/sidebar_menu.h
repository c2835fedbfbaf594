#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/settings.h"

namespace kuvano {

// The commands of PopupMenu1, the program's one menu.
enum class SidebarCommand : uint16_t {
    popUe = 101,
    popSita,
    pmHidarihasi,
    pmMigihasi,
    pmPieBar,
    pmSetei,
    pmAkiiro,
    pmFolSiz,
    pop4vajhel,
    pmBarSyuryo,
};

struct SidebarMenuItem {
    std::u16string_view caption;  // "-" is a separator
    int picture;                  // index into the menu pictures, or -1
    SidebarCommand command;
};

// Top to bottom. The full-width "＆" of the folder item is an ordinary
// character, so that item has no accelerator.
inline constexpr std::array<SidebarMenuItem, 12> kSidebarMenu{{
    {u"上端表示(&T)", 7, SidebarCommand::popUe},
    {u"下端表示(&D)", 6, SidebarCommand::popSita},
    {u"左端表示(&L)", 3, SidebarCommand::pmHidarihasi},
    {u"右端表示(&R)", 4, SidebarCommand::pmMigihasi},
    {u"-", -1, SidebarCommand{}},
    {u"棒グラフ／円グラフ切り替え(&P)", 9, SidebarCommand::pmPieBar},
    {u"設定パネル表示(&S)", 10, SidebarCommand::pmSetei},
    {u"タスクバーの色設定(&C)", 2, SidebarCommand::pmAkiiro},
    {u"フォルダサイズ表示（＆F)", 8, SidebarCommand::pmFolSiz},
    {u"バージョン＆ヘルプ(&H)", 5, SidebarCommand::pop4vajhel},
    {u"-", -1, SidebarCommand{}},
    {u"Kuvanoの終了(&X)", 1, SidebarCommand::pmBarSyuryo},
}};

// The edge items: the sidebar's edge (iti) they choose, or 0 for other commands.
int32_t EdgeOf(SidebarCommand command);

// pmPieBar: bars become pies and pies bars, with the strip's thickness.
void SwitchBarsAndPies(Settings& settings);

}  // namespace kuvano
