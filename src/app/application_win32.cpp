#include "app/application_win32.h"

#include "core/drive_name.h"
#include "platform/dialog_keys_win32.h"
#include "platform/failure_report.h"
#include "platform/form_helpers_win32.h"
#include "platform/locale_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

Settings LoadProgramSettings(const FileStore& files, const std::u16string& settingsPath,
                             const std::u16string& programPath) {
    Settings settings = LoadSettings(files, settingsPath);
    settings.homeDrive = HomeDriveFromProgramPath(programPath);
    return settings;
}

}  // namespace

Application::Application(const SystemServices& system)
    : files_(system.files),
      sessionEndBlock_(system.sessionEndBlock),
      settingsPath_(FileBesideProgram(system.programPath, u".ini")),
      settings_(LoadProgramSettings(system.files, settingsPath_, system.programPath)),
      driveKinds_(system.drives),
      warning_(settings_.warningDigits),
      startup_(system.startupFolder, system.programPath),
      mainWindow_(*this),
      help_(mainWindow_.Handle()),
      sidebar_(mainWindow_.Handle(), settings_, warning_, menu_,
               {[this](MenuCommand command) { OnMenuCommand(command); }, [this] { ShowMenuChecks(); }}),
      surveyMemory_(system.files, FileBesideProgram(system.programPath, u".surveys"), system.collation, wallClock_),
      folderSizes_(mainWindow_.Handle(), system.survey, system.collation, surveyMemory_, wallClock_),
      settingsWindow_(mainWindow_.Handle(), settings_, driveKinds_, warning_),
      about_(mainWindow_.Handle()),
      tray_(
          mainWindow_.Handle(), settings_, driveKinds_, warning_, {menu_.Handle(), sidebar_.Handle()},
          {[this] { about_.ShowModal(); }, [this] { SurveyCrossedDrive(); }}, system.notifyTray) {
    mainWindow_.Start();
}

int Application::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateDialogKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// Twice a second by design: the tray on every beat, the rest on every second one.
void Application::OnClockBeat() {
    const EnumSet<Refresh> due = clock_.Beat(sidebar_.IsShown(), settingsWindow_.IsShown());
    if (due.Has(Refresh::DriveLetters)) driveKinds_.FollowLetters();
    if (due.Has(Refresh::Tray)) tray_.Refresh();
    if (due.Has(Refresh::DriveLetters)) WatchDrives(due.Has(Refresh::Sidebar));
    if (due.Has(Refresh::SettingsPanel)) settingsWindow_.RefreshDriveList();
}

// One reading serves both: the drives are asked once a second, as before.
void Application::WatchDrives(bool sidebarDue) {
    const std::vector<WatchedDrive> drives = ReadWatchedDrives(driveKinds_);
    if (sidebarDue) sidebar_.Refresh(drives);
    NotifyCrossings(drives);
}

// A crossing while notifications are off is not told later: it has passed.
void Application::NotifyCrossings(const std::vector<WatchedDrive>& drives) {
    const std::vector<WatchedDrive> crossed = alerts_.Crossings(drives, warning_);
    if (crossed.empty() || !settings_.notifyLowSpace) return;
    const std::u16string text = CrossingText(crossed, settings_.unit, warning_.SizeMiB(), UserThousandsSeparator());
    if (!tray_.Notify(text)) return;
    crossedDrive_ = crossed.front().letter;
    ++notificationsSent_;
}

void Application::SurveyCrossedDrive() {
    if (crossedDrive_ != 0) folderSizes_.Survey(DriveRoot(std::string(1, crossedDrive_)));
}

// The shortcut is the choice's only record: it is looked at each time.
void Application::ShowMenuChecks() {
    menu_.Check(MenuCommand::NotifyLowSpace, settings_.notifyLowSpace);
    menu_.Check(MenuCommand::StartAtSignIn, startup_.StartsThisProgram());
}

std::optional<SettingsWriteError> Application::SaveSettingsFile() {
    return SaveSettings(settings_, files_, settingsPath_);
}

// A failed write is shown and keeps the program running, so that the user
// can make the folder writable and quit again.
bool Application::MayQuit() {
    const auto error = SaveSettingsFile();
    if (!error) return true;
    MessageBoxW(mainWindow_.Handle(), Wide(error->Message()), L"Kuvano", MB_OK | MB_ICONERROR);
    return false;
}

// Answered at once, with no box a sign-out would wait for: a failed write
// asks Windows to wait with its reason, which the user sees and may
// override. The next query writes again. A write that changes nothing
// writes nothing, so a folder never writable holds no sign-out.
bool Application::MayEndSession() {
    const auto error = SaveSettingsFile();
    if (error) {
        sessionEndBlock_.Hold(mainWindow_.Handle(), Wide(error->Message()));
        return false;
    }
    sessionEndBlock_.Release(mainWindow_.Handle());
    return true;
}

// The session ends even if the last query was refused: one more try.
void Application::OnSessionEnd() {
    if (const auto error = SaveSettingsFile()) {
        ReportFailure(std::wstring(L"saving at the session's end: ") + Wide(error->Message()));
    }
}

void Application::OnMenuCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::ShowSettings:
            ShowWindow(settingsWindow_.Handle(), SW_SHOW);
            BringToFront(settingsWindow_.Handle());
            break;
        case MenuCommand::ShowFolderSizes:
            if (!IsWindowVisible(folderSizes_.Handle())) ShowWindow(folderSizes_.Handle(), SW_SHOW);
            break;
        case MenuCommand::ShowHelp: help_.ShowHelp(); break;
        case MenuCommand::Quit: mainWindow_.Quit(); break;
        case MenuCommand::NotifyLowSpace: settings_.notifyLowSpace = !settings_.notifyLowSpace; break;
        case MenuCommand::StartAtSignIn:
            if (!startup_.Set(!startup_.StartsThisProgram())) ReportFailure(L"the startup shortcut");
            break;
        default: break;
    }
}

}  // namespace kuvano
