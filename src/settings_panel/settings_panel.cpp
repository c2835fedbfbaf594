#include "settings_panel/settings_panel.h"

#include <algorithm>

#include "core/drive_reading.h"
#include "settings_panel/drive_line.h"

namespace kuvano {
namespace {

template <typename Enum>
std::optional<int> ButtonFor(Enum value) {
    if (!IsNamed(value)) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

WarningDigits ClampedDigits(const WarningDigits& digits) {
    WarningDigits clamped = digits;
    for (int32_t& digit : clamped) digit = std::clamp(digit, 0, 9);
    return clamped;
}

PanelView SettingsPanel::Refresh(std::u16string_view thousandsSeparator) {
    PanelView view;
    view.trayDrive = DriveNameText(settings_.trayDrive);
    for (size_t i = 0; i < kWatchedDriveLetters.size(); ++i) {
        const char letter = kWatchedDriveLetters[i];
        const std::u16string root = DriveRoot(std::string(1, letter));
        const std::optional<DriveReading> reading = ReadWatchedDrive(drives_, warning_, root, blinkFlags[i]);
        if (!reading) continue;
        view.lines.push_back(DriveLine(letter, settings_.unit, reading->space.freeBytes, reading->space.totalBytes,
                                       reading->frame, drives_.DisplayName(root), thousandsSeparator));
    }
    view.unitButton = ButtonFor(settings_.unit);
    view.pictureButton = ButtonFor(settings_.trayPicture);
    return view;
}

void SettingsPanel::ChooseTrayDrive(const std::optional<std::u16string>& chosenLine) {
    if (chosenLine && !chosenLine->empty() && chosenLine->front() < 0x80) {
        settings_.trayDrive = std::string(1, static_cast<char>(chosenLine->front()));
    } else {
        settings_.trayDrive = settings_.homeDrive;
    }
}

}  // namespace kuvano
