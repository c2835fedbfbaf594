#pragma once

#include <cstdint>

#include "core/enum_set.h"

namespace kuvano {

// What a beat of the program's clock brings up to date.
enum class Refresh : uint8_t { Tray, DriveLetters, Sidebar, SettingsPanel };

// The program's one clock: it beats every 500 ms, so that the program wakes
// twice a second and no more. The tray follows every beat; the letters in
// use, the sidebar and the settings panel every second one, the displays only
// while they are shown.
class RefreshClock {
public:
    static constexpr unsigned kBeatMilliseconds = 500;

    EnumSet<Refresh> Beat(bool sidebarShown, bool settingsPanelShown);

private:
    uint64_t beats_ = 0;
};

}  // namespace kuvano
