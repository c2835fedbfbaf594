#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "core/drive_platform.h"
#include "core/low_space_warning.h"
#include "core/settings.h"
#include "platform/base_window_win32.h"
#include "platform/form_scale_win32.h"
#include "platform/unique_handle_win32.h"
#include "settings_panel/scroll_box_win32.h"
#include "settings_panel/settings_panel.h"

namespace kuvano {

// TForm2: the settings panel. While visible it lists the drives once a
// second and lets the user choose the tray drive, the unit, the tray picture
// and the warning size. It owns the low-space rule every display applies,
// which reads its six digit controls.
class TForm2 final : public BaseWindow<TForm2>, public WarningDigitSource {
public:
    static constexpr UINT_PTR kSeteiTimer = 1;

    // Control identifiers; ListBox1 is a child of ScrollBox1.
    enum ControlId : int {
        kEdDrive = 100,
        kListBox1,
        kBitBtn1,
        kMemo1,
        kFirstUnitButton = 200,   // RadioButton1..4
        kFirstKindButton = 210,   // RadioButton5..7
        kFirstDigitEdit = 220,    // the edit boxes of SpinEdit1..6
        kFirstDigitUpDown = 230,  // their arrow buttons, which hold the digits
    };
    static constexpr wchar_t kCaption[] = L"Kuvano 設定パネル";

    TForm2(Settings& settings, const DrivePlatform& drives) : settings_(settings), panel_(settings, drives, warning_) {}
    // Owned by the hidden main window, so that it never gets a taskbar button.
    bool Create(HWND owner);

    const LowSpaceWarning& Warning() const { return warning_; }
    WarningDigits CurrentWarningDigits() const override;

    static const wchar_t* ClassName() { return L"TForm2"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void paneKosin();
    void OnCommand(int id, int notification);
    void ListBox1Click();
    void ShowSelectedLine();
    void SpinEditClick(int digit);
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
                                          DWORD_PTR form);

    Settings& settings_;
    LowSpaceWarning warning_{*this};
    SettingsPanel panel_;
    // What the digit controls hold, followed as they change: every display
    // reads the warning each refresh, and asking the controls costs more.
    WarningDigits shownDigits_{};
    FormScale scale_{{558, 287}};  // the client area at 100 %
    FormScale::FontId font_ = 0;
    FormScale::FontId boldFont_ = 0;
    FormScale::FontId listFont_ = 0;
    UniqueBrush aqua_;
    TScrollBox scrollBox1_;
    HWND edDrive_ = nullptr;
    HWND listBox1_ = nullptr;
    HWND hints_ = nullptr;
    HWND focusOnActivate_ = nullptr;  // none: the first tab stop
    std::array<HWND, 4> unitButtons_{};
    std::array<HWND, 3> kindButtons_{};
    std::array<HWND, 6> digitUpDowns_{};  // the up-down controls that hold the digits
};

}  // namespace kuvano
