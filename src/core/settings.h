#pragma once

#include <cstdint>
#include <string>

namespace kuvano {

// The user's choices that every window shares. The persisted fields carry the
// names of their keys in the settings file; the defaults are those of a
// missing file.
struct Settings {
    std::string drivenam = "C";  // tray drive; its first character is the letter
    int32_t tani = 3;            // DisplayUnit: 0 bytes, 1 KB, 2 MB, 3 GB
    int32_t syurui = 2;          // TrayIconKind: 0 bar, 1 pie, 2 star
    int32_t barhyoj = 1;         // 1: the sidebar shows at start
    int32_t tenm1 = 0;           // warning digits, 100-giga place ...
    int32_t tenm2 = 0;
    int32_t tenm3 = 0;
    int32_t tenm4 = 0;
    int32_t tenm5 = 0;
    int32_t tenm6 = 0;       // ... down to the 1-mega place
    int32_t aki = 0xC0C0C0;  // sidebar colour, 0x00BBGGRR
    bool hidari = true;      // kept as read; nothing acts on it
    int32_t iti = 3;         // SidebarEdge: 1 top, 2 bottom, 3 left, 4 right
    bool enGrf = false;      // GraphStyle: false bars, true pies

    // Run-time only, never written.
    std::string HomeDrive;   // fallback tray drive, from the program's own path
    int32_t GaugeWidth = 8;  // follows enGrf
};

inline int32_t GaugeWidthFor(bool pies) {
    return pies ? 32 : 8;
}

}  // namespace kuvano
