#include "settings_panel/settings_panel.h"

#include <algorithm>

#include "core/drive_reading.h"
#include "settings_panel/drive_line.h"

namespace kuvano {
namespace {

std::optional<int> ButtonFor(int32_t value, int32_t count) {
    if (value < 0 || value >= count) return std::nullopt;
    return value;
}

}  // namespace

WarningDigits DigitsFromSettings(const Settings& settings) {
    WarningDigits digits{settings.tenm1, settings.tenm2, settings.tenm3,
                         settings.tenm4, settings.tenm5, settings.tenm6};
    for (int32_t& digit : digits) digit = std::clamp(digit, 0, 9);
    return digits;
}

void StoreDigits(const WarningDigits& digits, Settings& settings) {
    settings.tenm1 = digits[0];
    settings.tenm2 = digits[1];
    settings.tenm3 = digits[2];
    settings.tenm4 = digits[3];
    settings.tenm5 = digits[4];
    settings.tenm6 = digits[5];
}

PanelView SettingsPanel::Refresh(std::u16string_view thousandsSeparator) {
    PanelView view;
    view.edDrive = DriveNameText(settings_.drivenam);
    for (size_t i = 0; i < kWatchedDriveLetters.size(); ++i) {
        const char letter = kWatchedDriveLetters[i];
        const std::u16string root = DriveRoot(std::string(1, letter));
        const std::optional<DriveReading> reading = ReadWatchedDrive(drives_, warning_, root, PanelBlinkFlags[i]);
        if (!reading) continue;
        view.lines.push_back(DriveLine(letter, settings_.tani, reading->space.freeBytes, reading->space.totalBytes,
                                       reading->frame, drives_.DisplayName(root), thousandsSeparator));
    }
    view.unitButton = ButtonFor(settings_.tani, 4);
    view.kindButton = ButtonFor(settings_.syurui, 3);
    return view;
}

void SettingsPanel::ListBox1Click(const std::optional<std::u16string>& selectedLine) {
    if (selectedLine && !selectedLine->empty() && selectedLine->front() < 0x80) {
        settings_.drivenam = std::string(1, static_cast<char>(selectedLine->front()));
    } else {
        settings_.drivenam = settings_.HomeDrive;
    }
}

}  // namespace kuvano
