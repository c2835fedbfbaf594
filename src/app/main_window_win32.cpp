#include "app/main_window_win32.h"

#include "core/drive_name.h"
#include "core/settings_file.h"
#include "platform/dpi_win32.h"
#include "platform/failure_report_win32.h"
#include "platform/locale_win32.h"
#include "platform/taskbar_created_win32.h"
#include "platform/wide_text_win32.h"
#include "resource_ids.h"

namespace kuvano {

TForm1::TForm1(Settings& settings, const FileStore& store, std::u16string programPath, DriveKindCache& driveKinds)
    : settings_(settings), store_(store), programPath_(std::move(programPath)), driveKinds_(driveKinds) {}

bool TForm1::Create() {
    // A tool window never gets a taskbar button.
    return CreateWithOptions({.exStyle = WS_EX_TOOLWINDOW, .style = WS_OVERLAPPEDWINDOW, .title = L"Kuvano"});
}

void TForm1::Link(DriveMonitor& monitor, TFormInfo& about, const TrayPopupMenu& popupMenu) {
    monitor_ = &monitor;
    about_ = &about;
    if (taskTrayMini1_) taskTrayMini1_->PopupMenuR = popupMenu;
    // Started once linked, just before the sidebar's: the two timers then
    // fall due together, and one wake-up a second serves both.
    SetTimer(Handle(), kTimer1, kTimer1Interval, nullptr);
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == FailureCountMessage()) return static_cast<LRESULT>(FailureCount());
    if (message == TaskbarCreatedMessage() && taskTrayMini1_) {
        FollowTaskbarIconSize();
        taskTrayMini1_->TaskbarCreated();
        return 0;
    }
    switch (message) {
        case WM_CREATE: FormCreate(); return 0;
        case WM_TIMER:
            if (wParam == kTimer1) Timer1Timer();
            return 0;
        case WM_DPICHANGED:
        case WM_DISPLAYCHANGE: FollowTaskbarIconSize(); return 0;
        case WM_DEVICECHANGE: driveKinds_.Forget(); return TRUE;  // grants any removal query
        case WM_CLOSE: return OnClose();
        case WM_QUERYENDSESSION: return FormCloseQuery() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wParam) DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            FormDestroy();
            PostQuitMessage(0);
            return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

void TForm1::FormCreate() {
    settings_ = LoadSettings(store_, SettingsFileName(programPath_));
    settings_.HomeDrive = HomeDriveFromProgramPath(programPath_);

    FollowTaskbarIconSize();
    ReceiveTaskbarCreated(Handle());
    taskTrayMini1_.emplace(Handle());
    taskTrayMini1_->OnMouseUp = [this](const TrayMouseEvent& event) { TaskTrayMini1MouseUp(event); };
    taskTrayMini1_->SetIcon(TTaskTrayMini::kAdd, trayIconObject_, trayTip_);
}

// The taskbar shows small icons at its monitor's scale. The pictures are made
// for that size when it changes, never on a tick, and the one shown is shown
// again at the new size.
void TForm1::FollowTaskbarIconSize() {
    const int size = SmallIconSize(PrimaryMonitorDpi());
    if (size == iconSize_) return;
    iconSize_ = size;
    mainIcon_.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KUVANO), IMAGE_ICON, size, size, 0)));
    imageLists_.emplace(size);
    trayIconObject_ = shownPicture_ ? imageLists_->Picture(shownPicture_->kind, shownPicture_->index) : mainIcon_.get();
    if (taskTrayMini1_) taskTrayMini1_->SetIcon(TTaskTrayMini::kModify, trayIconObject_, trayTip_);
}

// Writes the settings file. A failed write is shown and keeps the program
// running, so that the user can make the folder writable and quit again.
bool TForm1::FormCloseQuery() {
    const auto error = SaveSettings(settings_, store_, SettingsFileName(programPath_));
    if (!error) return true;
    MessageBoxW(Handle(), Wide(error->Message()), L"Kuvano", MB_OK | MB_ICONERROR);
    return false;
}

LRESULT TForm1::OnClose() {
    if (FormCloseQuery()) DestroyWindow(Handle());
    return 0;
}

void TForm1::FormDestroy() {
    KillTimer(Handle(), kTimer1);
    if (taskTrayMini1_) {
        taskTrayMini1_->SetIcon(TTaskTrayMini::kDelete, trayIconObject_, u"Kuvano");
        taskTrayMini1_.reset();
    }
}

// A failed tick leaves only a trace for the debugger; the next one starts afresh.
void TForm1::Timer1Timer() {
    if (!monitor_ || !taskTrayMini1_) return;
    try {
        // Once a second: letters that come and go without an announcement.
        followLetters_ = !followLetters_;
        if (followLetters_) driveKinds_.FollowLetters();
        const TrayUpdate update = monitor_->ReadTrayDrive(UserThousandsSeparator());
        if (update.picture) {
            shownPicture_ = update.picture;
            trayIconObject_ = imageLists_->Picture(update.picture->kind, update.picture->index);
        }
        trayTip_ = update.tip;
        taskTrayMini1_->SetIcon(TTaskTrayMini::kModify, trayIconObject_, trayTip_);
    } catch (...) {
        ReportCaughtFailure(L"tray tick");
    }
}

void TForm1::TaskTrayMini1MouseUp(const TrayMouseEvent& event) {
    if (event.button == TrayMouseButton::Left && about_) about_->ShowModal();
}

}  // namespace kuvano
