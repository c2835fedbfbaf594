#include "folder_size/folder_size_window_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "core/survey_clip.h"
#include "folder_size/folder_size_pictures.h"
#include "platform/failure_report.h"
#include "platform/form_helpers_win32.h"
#include "platform/icon_from_pixels_win32.h"
#include "platform/locale_win32.h"
#include "platform/module_path_win32.h"
#include "platform/wide_text_win32.h"
#include "platform/work_area_win32.h"

namespace kuvano {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // the close box only
// Tab, Enter and Esc work as in a dialog.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kHistoryRows = 20;
constexpr int kHistoryItemHeight = 12;
constexpr int kPictureSide = 16;
constexpr Place kAnimationPlace{600, 3, 25, 25};

struct Column {
    const wchar_t* title;
    int width;
};
// The change column is wide enough for its title with the previous survey's time.
constexpr std::array<Column, 4> kColumns{
    {{L"使用メガ", 66}, {L"フォルダ名", 470}, {L"数", 56}, {L"前回比", 150}}};

// The folder, start and stop buttons: a folder tree, a hand pointing at a
// dotted line, a prohibition sign.
PixelImage ButtonPicture(size_t index) {
    return index == 0 ? FolderButtonPicture() : index == 1 ? StartButtonPicture() : StopButtonPicture();
}

// Often enough that rows seem to come as they are measured, when a notice was lost.
constexpr UINT kSurveyLookMilliseconds = 250;

// Posts from the workers' threads; false when the window is gone or its queue is full.
SurveyNotice PostTo(std::shared_ptr<std::atomic<HWND>> target) {
    return [target = std::move(target)](uint64_t generation) {
        const HWND window = target->load();
        return window && PostMessageW(window, FolderSizeWindow::kResultsReady, static_cast<WPARAM>(generation), 0);
    };
}

// The executable's folder with its trailing backslash, as the survey's fallback.
std::u16string ProgramFolder() {
    const std::u16string path = ProgramPath();
    return path.substr(0, path.find_last_of(u"\\:") + 1);
}

std::u16string ItemText(HWND combo, LRESULT index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return FromWide(text);
}

}  // namespace

FolderSizeWindow::FolderSizeWindow(HWND owner, SurveySystem system, const TextCollation& collation,
                                   SurveyMemory& memory, const WallClock& clock)
    : collation_(collation),
      clock_(clock),
      homeFolder_(ProgramFolder()),
      survey_(std::move(system), collation_, PostTo(noticeTarget_)),
      panel_(survey_, collation_, *this, homeFolder_) {
    const Size window = scale_.StartOnPrimaryMonitor(kStyle, kExStyle);
    const Rect workArea = PrimaryWorkArea();
    Create({.exStyle = kExStyle,
            .style = kStyle,
            .title = kCaption,
            .parent = owner,
            .x = workArea.left + 10,
            .y = workArea.top + 10,
            .width = window.width,
            .height = window.height});
    noticeTarget_->store(Handle());
    survey_.RememberIn(memory);
    font_ = scale_.AddFont(12);
    scale_.Follow(Handle(), std::nullopt, font_);
    animationGround_.reset(CreateSolidBrush(RGB(0, 0, 255)));
    hints_ = CreateHintWindow(Handle());
    AddControls();
    ShowHistory(panel_.History());
    ShowControls({});
}

LRESULT FolderSizeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam) OnShow();
            return DefaultHandling(message, wParam, lParam);
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == animation_) return reinterpret_cast<LRESULT>(animationGround_.get());
            return DefaultHandling(message, wParam, lParam);
        case WM_CLOSE: Close(); return 0;
        case WM_DPICHANGED:
            scale_.OnDpiChanged(Handle(), wParam, lParam);
            FitToDpi();
            return 0;
        // A notice of an earlier survey is stale: its rows went with its stop.
        case kResultsReady:
            if (wParam == survey_.Generation()) panel_.ResultsReady();
            return 0;
        case WM_TIMER:
            if (wParam == kSurveyTimer) panel_.ResultsReady();
            return 0;
        case WM_DESTROY:
            noticeTarget_->store(nullptr);
            survey_.Stop();
            return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

// In the order Tab visits them.
void FolderSizeWindow::AddControls() {
    AddButton(0, kFolderButton, {8, 4, 25, 25}, L"フォルダ参照");
    historyBox_ = scale_.AddControl(Handle(), WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                                    {40, 5, 489, 300}, kHistoryBox, font_);
    SendMessageW(historyBox_, CB_SETMINVISIBLE, kHistoryRows, 0);
    AddButton(1, kStartButton, {536, 4, 27, 25}, L"検索開始");
    AddButton(2, kStopButton, {568, 4, 25, 25}, L"検索中止");
    AddList();
    FitToDpi();
}

// The form owns the list's pictures, which change with the scale.
void FolderSizeWindow::AddList() {
    sizeList_ = scale_.AddControl(
        Handle(), WC_LISTVIEWW, L"",
        LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | WS_TABSTOP | WS_GROUP,
        {4, 33, 767, 405}, kSizeList, font_, WS_EX_CLIENTEDGE);
    SendMessageW(sizeList_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (size_t i = 0; i < kColumns.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(kColumns[i].title);
        column.cx = scale_.Scaled(kColumns[i].width);
        SendMessageW(sizeList_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

// What the controls cannot scale of themselves, at the form's DPI.
void FolderSizeWindow::FitToDpi() {
    SendMessageW(historyBox_, CB_SETITEMHEIGHT, 0, scale_.Scaled(kHistoryItemHeight));
    for (size_t i = 0; i < kColumns.size(); ++i)
        SendMessageW(sizeList_, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(scale_.Scaled(kColumns[i].width), 0));
    FitLevelPictures();
    FitButtonPictures();
    PlaceAnimation();
}

// The pictures are pixel art: scaled by whole steps only, so they stay sharp.
void FolderSizeWindow::FitLevelPictures() {
    const int side = scale_.Scaled(kPictureSide);
    UniqueImageList pictures(ImageList_Create(side, side, ILC_COLOR32 | ILC_MASK, kSurveyLevels, 0));
    for (int level = 0; level < kSurveyLevels; ++level) {
        ImageList_AddIcon(pictures.get(), IconFromPixels(FitByWholeSteps(LevelPicture(level), side, side)).get());
    }
    SendMessageW(sizeList_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures.get()));
    levelPictures_ = std::move(pictures);
}

// A picture is freed only once its button shows the new one; the hint over
// a disabled button's place moves with the button.
void FolderSizeWindow::FitButtonPictures() {
    const int side = scale_.Scaled(kPictureSide);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const PixelImage art = ButtonPicture(i);
        UniqueIcon picture = IconFromPixels(FitByWholeSteps(art, side, side));
        UniqueIcon disabled = IconFromPixels(FitByWholeSteps(DisabledPicture(art), side, side));
        const HICON shown = (IsWindowEnabled(buttons_[i]) ? picture : disabled).get();
        SendMessageW(buttons_[i], BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(shown));
        buttonPictures_[i] = std::move(picture);
        disabledPictures_[i] = std::move(disabled);
        MoveHintOverPlace(hints_, buttons_[i]);
    }
}

// The clip keeps its own size, centred in the control's place at this scale.
void FolderSizeWindow::PlaceAnimation() {
    if (!animation_) return;
    RECT clip{};
    GetWindowRect(animation_, &clip);
    const Place place = scale_.Scaled(kAnimationPlace);
    SetWindowPos(animation_, nullptr, place.left + (place.width - (clip.right - clip.left)) / 2,
                 place.top + (place.height - (clip.bottom - clip.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// At the first show: the animation control loads the system's video
// libraries, not worth holding for a panel that may never be opened.
// Without the clip beside the program the panel works the same, only still.
void FolderSizeWindow::AddAnimation() {
    if (animation_) return;
    animation_ = AddControl(Handle(), ANIMATE_CLASSW, L"", ACS_TRANSPARENT, scale_.Scaled(kAnimationPlace), kAnimation,
                            scale_.Font(font_));
    const std::u16string clip = homeFolder_ + FromWide(kAnimationFile);
    SendMessageW(animation_, ACM_OPENW, 0, reinterpret_cast<LPARAM>(Wide(clip)));
    PlaceAnimation();
}

// Its pictures come with the scale, from FitButtonPictures.
void FolderSizeWindow::AddButton(size_t index, int id, Place place, const wchar_t* hint) {
    const HWND button =
        scale_.AddControl(Handle(), L"BUTTON", L"", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP | WS_GROUP, place, id, font_);
    AddHint(hints_, button, hint);
    // A disabled button's mouse messages go to the panel: the hint is given for its place there too.
    if (!AddHintOverPlace(hints_, button, hint)) ReportFailure(L"folder size panel: the hint of a disabled button");
    buttons_[index] = button;
}

// The pointer rests on the folder button, which has the focus.
void FolderSizeWindow::OnShow() {
    if (scale_.FollowMonitor(Handle())) FitToDpi();
    AddAnimation();
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    SetCursorPos(frame.left + scale_.Scaled(20), frame.top + scale_.Scaled(45));
    SetFocus(buttons_[0]);
}

void FolderSizeWindow::Close() {
    panel_.Stop();
    ShowWindow(Handle(), SW_HIDE);
}

void FolderSizeWindow::OnCommand(int id, int notification) {
    switch (id) {
        case kFolderButton:
            if (notification == BN_CLICKED) ChooseFolder();
            break;
        case kStartButton:
            if (notification == BN_CLICKED) panel_.Survey(ShownFolder());
            break;
        case kStopButton:
            if (notification == BN_CLICKED) panel_.Stop();
            break;
        case IDOK: OnEnter(); break;
        case IDCANCEL: Close(); break;  // Esc, as the close box
        case kHistoryBox:
            if (notification == CBN_SELCHANGE) panel_.Survey(ShownFolder());
            // Long paths can be read in a list as wide as the screen.
            if (notification == CBN_DROPDOWN)
                SendMessageW(historyBox_, CB_SETDROPPEDWIDTH, GetSystemMetrics(SM_CXSCREEN) - scale_.Scaled(60), 0);
            break;
        default: break;
    }
}

// Enter that no button took as its own: the focused button, else the start button.
void FolderSizeWindow::OnEnter() {
    const auto focused = std::ranges::find(buttons_, GetFocus());
    const HWND button = focused != buttons_.end() ? *focused : buttons_[1];
    if (IsWindowEnabled(button)) OnCommand(GetDlgCtrlID(button), BN_CLICKED);
}

LRESULT FolderSizeWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != sizeList_) return 0;
    switch (header.code) {
        case LVN_GETDISPINFOW: OnDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))); break;
        case LVN_ITEMCHANGED: OnItemChanged(reinterpret_cast<const NMLISTVIEW&>(header)); break;
        case NM_DBLCLK: {
            // The row under the pointer, which need not be the one selected.
            const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
            if (row >= 0) panel_.RowDoubleClicked(static_cast<size_t>(row));
            break;
        }
        case LVN_COLUMNCLICK: panel_.SortBy(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem); break;
        default: break;
    }
    return 0;
}

// The list holds no rows of its own: it asks for each cell it draws.
void FolderSizeWindow::OnDisplayInfo(NMLVDISPINFOW& info) {
    LVITEMW& item = info.item;
    const auto& rows = survey_.Rows();
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows.size()) return;
    const SurveyRow& row = rows[static_cast<size_t>(item.iItem)];
    if (item.mask & LVIF_IMAGE) item.iImage = row.level;
    if (!(item.mask & LVIF_TEXT)) return;
    const std::u16string text = item.iSubItem == kColumnMegabytes ? MegabyteText(row, shownSeparator_)
                                : item.iSubItem == kColumnFolder  ? row.folder
                                : item.iSubItem == kColumnEntries ? EntriesText(row, shownSeparator_)
                                                                  : ChangeText(row, shownSeparator_);
    displayText_.assign(text.begin(), text.end());
    item.pszText = displayText_.data();
}

// A change of every row at once (row -1) is the window's own clearing.
void FolderSizeWindow::OnItemChanged(const NMLISTVIEW& change) {
    if (change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return;
    if ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) {
        panel_.RowSelected(static_cast<size_t>(change.iItem), (change.uNewState & LVIS_SELECTED) != 0);
    }
}

void FolderSizeWindow::Survey(const std::u16string& folder) {
    if (!IsWindowVisible(Handle())) ShowWindow(Handle(), SW_SHOW);
    BringToFront(Handle());
    panel_.FolderChosen(folder);
}

void FolderSizeWindow::ChooseFolder() {
    if (folderPicker_.Execute(Handle())) panel_.FolderChosen(folderPicker_.folder);
}

std::u16string FolderSizeWindow::ShownFolder() const {
    return ItemText(historyBox_, SendMessageW(historyBox_, CB_GETCURSEL, 0, 0));
}

void FolderSizeWindow::ShowControls(const PanelControls& controls) {
    const HWND focused = GetFocus();
    const std::array<bool, 3> enabled{controls.folderButton, controls.start, controls.stop};
    for (size_t i = 0; i < buttons_.size(); ++i) {
        EnableWindow(buttons_[i], enabled[i]);
        const HICON picture = (enabled[i] ? buttonPictures_[i] : disabledPictures_[i]).get();
        SendMessageW(buttons_[i], BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture));
    }
    EnableWindow(historyBox_, controls.history);
    // Keys reach the panel only through a focused control that takes input.
    if (focused && IsChild(Handle(), focused) && !IsWindowEnabled(focused)) {
        SetFocus(buttons_[controls.stop ? 2 : 1]);
    }
    if (controls.stop) {
        if (!SetTimer(Handle(), kSurveyTimer, kSurveyLookMilliseconds, nullptr))
            ReportFailure(L"folder size panel: the survey's timer");
        SendMessageW(animation_, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(kFirstLoopFrame, kLastLoopFrame));
    } else {
        KillTimer(Handle(), kSurveyTimer);
        SendMessageW(animation_, ACM_STOP, 0, 0);
        SendMessageW(animation_, ACM_PLAY, 1, MAKELPARAM(0, 0));  // back to the still picture
    }
}

void FolderSizeWindow::ShowHistory(const FolderHistory& history) {
    SendMessageW(historyBox_, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& folder : history.Items()) {
        SendMessageW(historyBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(folder)));
    }
    SendMessageW(historyBox_, CB_SETCURSEL, history.Selected(), 0);
}

// The list keeps its selection by index: after a sort it is moved to the
// row that holds the highlighted folder now. Clearing every row at once is
// reported as one change of row -1, not as the user's choice of the row
// that held the highlight before.
void FolderSizeWindow::ShowHighlight(std::optional<size_t> row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(sizeList_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (!row) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(sizeList_, LVM_SETITEMSTATE, *row, reinterpret_cast<LPARAM>(&state));
    SendMessageW(sizeList_, LVM_ENSUREVISIBLE, *row, FALSE);
}

void FolderSizeWindow::ShowPreviousEnd(std::optional<int64_t> endedAt) {
    const std::u16string title = ChangeColumnTitle(endedAt ? std::optional(clock_.Local(*endedAt)) : std::nullopt);
    changeTitle_.assign(title.begin(), title.end());
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = changeTitle_.data();
    SendMessageW(sizeList_, LVM_SETCOLUMNW, kColumnChange, reinterpret_cast<LPARAM>(&column));
}

// The separator is read once per showing, not for each of the cells drawn.
void FolderSizeWindow::ShowRows(const std::vector<SurveyRow>& rows) {
    shownSeparator_ = UserThousandsSeparator();
    SendMessageW(sizeList_, LVM_SETITEMCOUNT, rows.size(), LVSICF_NOSCROLL);
    InvalidateRect(sizeList_, nullptr, FALSE);
}

}  // namespace kuvano
