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
    std::u16string trayDrive;
    std::vector<std::u16string> lines;  // one per removable or fixed drive, in letter order
    std::optional<int> unitButton;      // the unit's button, none for a unit with no name
    std::optional<int> pictureButton;   // the tray picture's button, likewise
};

// Warning digits as the spin controls hold them: each 0..9.
WarningDigits ClampedDigits(const WarningDigits& digits);

// The settings panel's drive list and its choice of the tray drive.
class SettingsPanel {
public:
    SettingsPanel(Settings& settings, const DrivePlatform& drives, const LowSpaceWarning& warning)
        : settings_(settings), drives_(drives), warning_(warning) {}

    std::array<BlinkFlag, kWatchedDriveLetters.size()> blinkFlags{};

    PanelView Refresh(std::u16string_view thousandsSeparator);
    // The chosen line's first character becomes the tray drive; with no
    // line to read, the program's own drive does.
    void ChooseTrayDrive(const std::optional<std::u16string>& chosenLine);

private:
    Settings& settings_;
    const DrivePlatform& drives_;
    const LowSpaceWarning& warning_;
};

}  // namespace kuvano
