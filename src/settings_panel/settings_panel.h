#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/drive_name.h"
#include "core/drive_platform.h"
#include "core/low_space_warning.h"
#include "core/settings.h"

namespace kuvano {

// What one refresh of the settings panel shows.
struct PanelView {
    std::u16string edDrive;
    std::vector<std::u16string> lines;  // one per removable or fixed drive, in letter order
    std::optional<int> unitButton;      // 0..3 for tani 0..3, none otherwise
    std::optional<int> kindButton;      // 0..2 for syurui 0..2, none otherwise
};

// Warning digits as the spin controls hold them: each 0..9.
WarningDigits DigitsFromSettings(const Settings& settings);
void StoreDigits(const WarningDigits& digits, Settings& settings);

// The settings panel's drive list and its choice of the tray drive.
class SettingsPanel {
public:
    SettingsPanel(Settings& settings, const DrivePlatform& drives, const LowSpaceWarning& warning)
        : settings_(settings), drives_(drives), warning_(warning) {}

    std::array<BlinkFlag, kWatchedDriveLetters.size()> PanelBlinkFlags{};

    PanelView Refresh(std::u16string_view thousandsSeparator);
    // The selected line's first character becomes the tray drive; with no
    // line to read, the program's own drive does.
    void ListBox1Click(const std::optional<std::u16string>& selectedLine);

private:
    Settings& settings_;
    const DrivePlatform& drives_;
    const LowSpaceWarning& warning_;
};

}  // namespace kuvano
