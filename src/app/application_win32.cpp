#include "app/application_win32.h"

#include "core/drive_name.h"
#include "platform/dialog_keys_win32.h"
#include "platform/failure_report.h"
#include "platform/form_helpers_win32.h"
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
      mainWindow_(*this),
      help_(mainWindow_.Handle()),
      sidebar_(mainWindow_.Handle(), settings_, driveKinds_, warning_, menu_,
               [this](MenuCommand command) { OnMenuCommand(command); }),
      surveyMemory_(system.files, FileBesideProgram(system.programPath, u".surveys"), system.collation, wallClock_),
      folderSizes_(mainWindow_.Handle(), system.survey, system.collation, surveyMemory_, wallClock_),
      settingsWindow_(mainWindow_.Handle(), settings_, driveKinds_, warning_),
      about_(mainWindow_.Handle()),
      tray_(
          mainWindow_.Handle(), settings_, driveKinds_, warning_, {menu_.Handle(), sidebar_.Handle()},
          [this] { about_.ShowModal(); }, system.notifyTray) {
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
    if (due.Has(Refresh::Sidebar)) sidebar_.Refresh();
    if (due.Has(Refresh::SettingsPanel)) settingsWindow_.RefreshDriveList();
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
        default: break;
    }
}

}  // namespace kuvano
