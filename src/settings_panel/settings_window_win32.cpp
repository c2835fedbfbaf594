#include "settings_panel/settings_window_win32.h"

#include <commctrl.h>

#include <string>

#include "core/drive_name.h"
#include "core/window_place.h"
#include "platform/failure_report.h"
#include "platform/form_helpers_win32.h"
#include "platform/locale_win32.h"
#include "platform/wide_text_win32.h"
#include "platform/work_area_win32.h"

namespace kuvano {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;  // no title-bar buttons
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
constexpr Place kScrollBoxPlace{8, 24, 520, 153};
constexpr Size kDriveListSize{593, 300};  // taller and wider than its scroll box
constexpr int kDriveLineHeight = 12;

constexpr std::array<const wchar_t*, 4> kUnitCaptions{L"バイト", L"キロバイト", L"メガバイト", L"ギガバイト"};
constexpr std::array<int, 4> kUnitLefts{8, 64, 144, 224};
constexpr std::array<const wchar_t*, 3> kPictureCaptions{L"棒グラフ", L"円グラフ", L"星形"};
constexpr std::array<int, 3> kPictureLefts{8, 80, 152};
constexpr std::array<int, 6> kSpinLefts{72, 99, 126, 154, 181, 208};
constexpr std::array<const wchar_t*, 6> kSpinHints{L"100ギガの位", L"10ギガの位", L"1ギガの位",
                                                   L"100メガの位", L"10メガの位", L"1メガの位"};

// Checks the button of `index` in a group and clears the others; none for no index.
template <size_t N>
void CheckOnly(const std::array<HWND, N>& buttons, std::optional<int> index) {
    for (size_t i = 0; i < N; ++i) {
        SendMessageW(buttons[i], BM_SETCHECK, index == static_cast<int>(i) ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

// Every way, but WM_SETTEXT, that an edit box changes its own text.
bool ChangesTheText(UINT message, WPARAM key) {
    switch (message) {
        case WM_CHAR:
        case WM_UNICHAR:
        case WM_IME_CHAR:
        case WM_IME_COMPOSITION:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case EM_REPLACESEL: return true;
        case WM_KEYDOWN: return key == VK_DELETE || (key == VK_INSERT && GetKeyState(VK_SHIFT) < 0);
        case WM_SYSKEYDOWN: return key == VK_BACK;  // Alt+Backspace undoes
        default: return false;
    }
}

// Tab and the system's probe for WM_UNICHAR are no typing.
bool IsSilent(UINT message, WPARAM key) {
    return (message == WM_CHAR && key == VK_TAB) || (message == WM_UNICHAR && key == UNICODE_NOCHAR);
}

bool IsOneDigit(const wchar_t* text) {
    return text && text[0] >= L'0' && text[0] <= L'9' && text[1] == L'\0';
}

std::wstring LetterBoxText() {
    std::wstring text;
    for (const char letter : kWatchedDriveLetters) {
        if (!text.empty()) text += L"\r\n";
        text += static_cast<wchar_t>(letter);
    }
    return text;
}

}  // namespace

SettingsWindow::SettingsWindow(HWND owner, Settings& settings, const DrivePlatform& drives, LowSpaceWarning& warning)
    : settings_(settings),
      warning_(warning),
      panel_(settings, drives, warning),
      shownDigits_(ClampedDigits(settings.warningDigits)) {
    CreateCentered(kCaption, kStyle, kExStyle, owner, scale_.StartOnPrimaryMonitor(kStyle, kExStyle));
    font_ = scale_.AddFont(12);
    boldFont_ = scale_.AddFont(12, true);
    listFont_ = scale_.AddFont(12, false, true);
    aqua_.reset(CreateSolidBrush(RGB(0, 255, 255)));
    scale_.Follow(Handle(), std::nullopt, font_);
    hints_ = CreateHintWindow(Handle());
    AddControls();
    AddSpinEdits();
}

LRESULT SettingsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam) OnShow();
            return DefaultHandling(message, wParam, lParam);
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_CTLCOLORSTATIC: return OnColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CLOSE: Close(); return 0;
        case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
        case WM_DPICHANGED:
            scale_.OnDpiChanged(Handle(), wParam, lParam);
            ScaleDriveList();
            return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

// Children are created in the tab order: the letter box, the tray drive's
// box, the two radio groups, the close button, the drive list in its scroll
// box, then the six digits.
void SettingsWindow::AddControls() {
    const FormScale::FontId font = font_;
    // The letter box holds the letters the refresh walks. It comes first in
    // the tab order yet is never seen: with an empty region the scroll box
    // shows through it.
    const HWND letters = scale_.AddControl(Handle(), L"EDIT", LetterBoxText().c_str(),
                                           ES_MULTILINE | ES_READONLY | WS_TABSTOP, {16, 32, 49, 57}, kLetterBox, font);
    if (!SetWindowRgn(letters, CreateRectRgn(0, 0, 0, 0), FALSE)) {
        ReportFailure(L"hiding the letter box behind the drive list");
    }
    trayDriveBox_ = scale_.AddControl(Handle(), L"EDIT", L"", ES_READONLY | WS_BORDER | WS_TABSTOP, {8, 2, 23, 20},
                                      kTrayDriveBox, boldFont_);
    scale_.AddControl(Handle(), L"STATIC", L"ドライブが選択されています", 0, {34, 6, 140, 14}, 0, font);
    scale_.AddControl(Handle(), L"STATIC", L"(下欄の模様は 実* 空o 、数値は 空/実)", 0, {180, 6, 300, 14}, 0, font);
    scale_.AddControl(Handle(), L"STATIC", L"空き容量", 0, {10, 232, 60, 14}, 0, font);
    scale_.AddControl(Handle(), L"STATIC", L"警告サイズ", 0, {8, 248, 62, 14}, 0, font);
    scale_.AddControl(Handle(), L"STATIC", L"ギガ", 0, {128, 256, 30, 14}, 0, font);
    scale_.AddControl(Handle(), L"STATIC", L"メガ", 0, {214, 256, 30, 14}, 0, font);
    AddRadioGroups();
    const HWND close = scale_.AddControl(Handle(), L"BUTTON", L"閉じる(&C)", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP,
                                         {440, 231, 89, 33}, kCloseButton, font);
    AddHint(hints_, close, L"この設定パネルを閉じる");
    AddDriveList();
}

// Each group box starts a group of its own, so the arrow keys stay among one
// group's buttons.
void SettingsWindow::AddRadioGroups() {
    const FormScale::FontId font = font_;
    scale_.AddControl(Handle(), L"BUTTON", L"表示単位", BS_GROUPBOX | WS_GROUP, {8, 184, 305, 41}, 0, font);
    for (size_t i = 0; i < unitButtons_.size(); ++i) {
        unitButtons_[i] = scale_.AddControl(
            Handle(), L"BUTTON", kUnitCaptions[i], BS_RADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
            {8 + kUnitLefts[i], 184 + 16, 76, 17}, kFirstUnitButton + static_cast<int>(i), font);
    }
    scale_.AddControl(Handle(), L"BUTTON", L"アイコンの種類", BS_GROUPBOX | WS_GROUP, {320, 184, 209, 41}, 0, font);
    for (size_t i = 0; i < pictureButtons_.size(); ++i) {
        pictureButtons_[i] = scale_.AddControl(
            Handle(), L"BUTTON", kPictureCaptions[i], BS_RADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
            {320 + kPictureLefts[i], 184 + 16, 70, 17}, kFirstPictureButton + static_cast<int>(i), font);
    }
}

// Tab reaches the list inside the scroll box, which takes part in dialog
// navigation; a line chosen with the keys sets the drive as a click does.
void SettingsWindow::AddDriveList() {
    driveListBox_.emplace(Handle(), scale_.Scaled(kScrollBoxPlace));
    scale_.Follow(driveListBox_->Handle(), kScrollBoxPlace, std::nullopt);
    // The scroll box places the list: only its font follows the scale here.
    driveList_ = AddControl(
        driveListBox_->Handle(), L"LISTBOX", L"", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_GROUP | WS_TABSTOP,
        scale_.Scaled(Place{0, 0, kDriveListSize.width, kDriveListSize.height}), kDriveList, scale_.Font(listFont_));
    scale_.Follow(driveList_, std::nullopt, listFont_);
    driveListBox_->SetContent(driveList_, kDriveListSize);
    ScaleDriveList();
    AddHint(hints_, driveList_, L"クリックでドライブ選択");
}

void SettingsWindow::ScaleDriveList() {
    SendMessageW(driveList_, LB_SETITEMHEIGHT, 0, scale_.Scaled(kDriveLineHeight));
    driveListBox_->Rescale(scale_.Dpi());
}

// Digits change by the arrows and the up/down keys only: typing, deleting,
// pasting, cutting and undoing are refused, a typed character with a beep.
void SettingsWindow::AddSpinEdits() {
    const WarningDigits loaded = shownDigits_;
    for (size_t i = 0; i < digitUpDowns_.size(); ++i) AddSpinEdit(i, loaded[i]);
}

// The arrows take their own width out of the edit box's place, at 100 %:
// that layout is what the scale keeps.
void SettingsWindow::AddSpinEdit(size_t digit, int loaded) {
    const int index = static_cast<int>(digit);
    const HWND edit = AddControl(Handle(), L"EDIT", L"0", ES_CENTER | WS_BORDER | WS_TABSTOP,
                                 {kSpinLefts[digit], 232, 30, 21}, kFirstDigitEdit + index, scale_.Font(font_));
    SetWindowSubclass(edit, &SettingsWindow::DigitEditProc, digit, reinterpret_cast<DWORD_PTR>(this));
    const HWND upDown = CreateWindowExW(
        0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 0,
        Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstDigitUpDown + index)), GetModuleHandleW(nullptr),
        nullptr);
    digitUpDowns_[digit] = upDown;
    SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessageW(upDown, UDM_SETRANGE32, 0, 9);
    SendMessageW(upDown, UDM_SETPOS32, 0, loaded);
    scale_.Follow(edit, PlaceInParent(edit), font_);
    scale_.Follow(upDown, PlaceInParent(upDown), std::nullopt);
    AddHint(hints_, edit, kSpinHints[digit]);
}

// A window procedure of its own, so it keeps to the rule of every window
// procedure: no exception leaves it.
LRESULT CALLBACK SettingsWindow::DigitEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR digit,
                                               DWORD_PTR window) noexcept {
    if (ChangesTheText(message, wParam)) {
        if (!IsSilent(message, wParam)) MessageBeep(MB_OK);
        return 0;
    }
    // Only the up-down control's own text keeps the box and the digit alike.
    if (message == WM_SETTEXT && !IsOneDigit(reinterpret_cast<const wchar_t*>(lParam))) return FALSE;
    if (message == WM_LBUTTONDOWN) {
        reinterpret_cast<SettingsWindow*>(window)->KeepClickedDigit(static_cast<int>(digit));
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

// Every change of a digit, by arrow, key or UDM_SETPOS32, rewrites its edit
// box, and every display warns by the new size from its next refresh on.
void SettingsWindow::DigitChanged(int digit) {
    const HWND upDown = digitUpDowns_[static_cast<size_t>(digit)];
    if (!upDown) return;
    shownDigits_[static_cast<size_t>(digit)] = static_cast<int32_t>(SendMessageW(upDown, UDM_GETPOS32, 0, 0));
    warning_.SetDigits(shownDigits_);
}

// As a dialog does: the focus comes back to where it was when the panel
// was left, and each showing starts at the first control.
void SettingsWindow::OnActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) focusOnActivate_ = focus;
        return;
    }
    SetFocus(focusOnActivate_ ? focusOnActivate_ : GetNextDlgTabItem(Handle(), nullptr, FALSE));
}

// Shown at the lower right of the primary monitor's work area, clear of the
// taskbar and the strip, at the scale of the monitor it shows on; the clock
// refreshes it within a second.
void SettingsWindow::OnShow() {
    focusOnActivate_ = nullptr;
    if (scale_.FollowMonitor(Handle())) ScaleDriveList();
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    const Point at = AtLowerRight(PrimaryWorkArea(), {frame.right - frame.left, frame.bottom - frame.top},
                                  {scale_.Scaled(20), scale_.Scaled(50)});
    SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SettingsWindow::Close() {
    settings_.warningDigits = shownDigits_;
    ShowWindow(Handle(), SW_HIDE);
}

// A failed refresh ends quietly; the next one starts again from an empty list.
void SettingsWindow::RefreshDriveList() {
    try {
        const PanelView view = panel_.Refresh(UserThousandsSeparator());
        SetWindowTextW(trayDriveBox_, Wide(view.trayDrive));
        SendMessageW(driveList_, LB_RESETCONTENT, 0, 0);
        for (const std::u16string& line : view.lines) {
            SendMessageW(driveList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(line)));
        }
        CheckOnly(unitButtons_, view.unitButton);
        CheckOnly(pictureButtons_, view.pictureButton);
    } catch (...) {
        ReportCaughtFailure(L"settings panel refresh");
    }
}

void SettingsWindow::OnCommand(int id, int notification) {
    if (id == kDriveList && notification == LBN_SELCHANGE) {
        ChooseTrayDrive();
        ShowChosenLine();
    } else if (id == kCloseButton && notification == BN_CLICKED) {
        Close();
    } else if (id >= kFirstUnitButton && id < kFirstUnitButton + 4 && notification == BN_CLICKED) {
        settings_.unit = static_cast<DisplayUnit>(id - kFirstUnitButton);
        CheckOnly(unitButtons_, id - kFirstUnitButton);
    } else if (id >= kFirstDigitEdit && id < kFirstDigitEdit + 6 && notification == EN_CHANGE) {
        DigitChanged(id - kFirstDigitEdit);
    } else if (id >= kFirstPictureButton && id < kFirstPictureButton + 3 && notification == BN_CLICKED) {
        settings_.trayPicture = static_cast<TrayPictureKind>(id - kFirstPictureButton);
        CheckOnly(pictureButtons_, id - kFirstPictureButton);
    }
}

void SettingsWindow::ChooseTrayDrive() {
    const LRESULT selected = SendMessageW(driveList_, LB_GETCURSEL, 0, 0);
    std::optional<std::u16string> line;
    if (selected != LB_ERR) {
        std::wstring text(
            static_cast<size_t>(SendMessageW(driveList_, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0)), L'\0');
        SendMessageW(driveList_, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
        line = FromWide(text);
    }
    panel_.ChooseTrayDrive(line);
    SetWindowTextW(trayDriveBox_, Wide(DriveNameText(settings_.trayDrive)));
}

// The list is taller than its scroll box: a line chosen with the keys may lie out of sight.
void SettingsWindow::ShowChosenLine() {
    const LRESULT selected = SendMessageW(driveList_, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    RECT line{};
    SendMessageW(driveList_, LB_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&line));
    driveListBox_->ShowRows(line.top, line.bottom);
}

// A click on a digit puts that digit in the settings at once.
void SettingsWindow::KeepClickedDigit(int digit) {
    settings_.warningDigits = ClampedDigits(settings_.warningDigits);
    settings_.warningDigits[static_cast<size_t>(digit)] = shownDigits_[static_cast<size_t>(digit)];
}

LRESULT SettingsWindow::OnColour(HDC dc, HWND control) {
    if (control != trayDriveBox_)
        return DefaultHandling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    SetBkColor(dc, RGB(0, 255, 255));
    return reinterpret_cast<LRESULT>(aqua_.get());
}

}  // namespace kuvano
