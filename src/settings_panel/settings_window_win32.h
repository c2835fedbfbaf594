#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "core/drive_platform.h"
#include "core/low_space_warning.h"
#include "core/settings.h"
#include "platform/base_window_win32.h"
#include "platform/form_scale_win32.h"
#include "platform/scoped_win32.h"
#include "settings_panel/scroll_box_win32.h"
#include "settings_panel/settings_panel.h"

namespace kuvano {

// The settings panel. While shown it lists the drives once a second and lets
// the user choose the tray drive, the unit, the tray picture and the warning
// size. Each digit it changes sets the warning every display applies at
// once; the settings take the digits when the panel closes.
class SettingsWindow final : public BaseWindow<SettingsWindow> {
public:
    // Control identifiers; the drive list is a child of its scroll box.
    enum ControlId : int {
        kTrayDriveBox = 100,
        kDriveList,
        kCloseButton,
        kLetterBox,
        kFirstUnitButton = 200,
        kFirstPictureButton = 210,
        kFirstDigitEdit = 220,    // the edit boxes of the six digits
        kFirstDigitUpDown = 230,  // their arrow buttons, which hold the digits
    };
    static constexpr wchar_t kCaption[] = L"Kuvano 設定パネル";

    // Owned by the hidden main window, so that it never gets a taskbar button.
    SettingsWindow(HWND owner, Settings& settings, const DrivePlatform& drives, LowSpaceWarning& warning);

    // One refresh of the drive list and the choices shown.
    void RefreshDriveList();
    bool IsShown() const { return IsWindowVisible(Handle()) != FALSE; }

    static const wchar_t* ClassName() { return L"TForm2"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnShow();
    void Close();
    void OnCommand(int id, int notification);
    void ChooseTrayDrive();
    void ShowChosenLine();
    void KeepClickedDigit(int digit);
    void DigitChanged(int digit);
    void AddControls();
    void AddRadioGroups();
    void AddDriveList();
    void AddSpinEdits();
    void AddSpinEdit(size_t digit, int loaded);
    void ScaleDriveList();
    void OnActivate(bool active);
    LRESULT OnColour(HDC dc, HWND control);
    static LRESULT CALLBACK DigitEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR digit,
                                          DWORD_PTR window) noexcept;

    Settings& settings_;
    LowSpaceWarning& warning_;
    SettingsPanel panel_;
    // What the digit controls hold, followed as they change.
    WarningDigits shownDigits_;
    FormScale scale_{{558, 287}};  // the client area at 100 %
    FormScale::FontId font_ = 0;
    FormScale::FontId boldFont_ = 0;
    FormScale::FontId listFont_ = 0;
    UniqueBrush aqua_;
    std::optional<ScrollBox> driveListBox_;  // a child: made once this window exists
    HWND trayDriveBox_ = nullptr;
    HWND driveList_ = nullptr;
    HWND hints_ = nullptr;
    HWND focusOnActivate_ = nullptr;  // none: the first tab stop
    std::array<HWND, 4> unitButtons_{};
    std::array<HWND, 3> pictureButtons_{};
    std::array<HWND, 6> digitUpDowns_{};  // the up-down controls that hold the digits
};

}  // namespace kuvano
