#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/main_window_win32.h"
#include "core/drive_platform.h"
#include "core/file_store.h"
#include "core/low_space_alerts.h"
#include "core/low_space_warning.h"
#include "core/refresh_clock.h"
#include "core/survey_system.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "core/text_collation.h"
#include "folder_size/folder_size_window_win32.h"
#include "folder_size/survey_memory.h"
#include "help/about_box_win32.h"
#include "help/help_window_win32.h"
#include "platform/drive_kind_cache.h"
#include "platform/session_end_block_win32.h"
#include "platform/startup_shortcut_win32.h"
#include "platform/wall_clock_win32.h"
#include "settings_panel/settings_window_win32.h"
#include "sidebar/sidebar_menu_win32.h"
#include "sidebar/sidebar_window_win32.h"
#include "tray/tray_display_win32.h"

namespace kuvano {

// The system as the program reaches it.
struct SystemServices {
    const FileStore& files;
    const DrivePlatform& drives;
    SurveySystem survey;
    const TextCollation& collation;
    SessionEndBlock& sessionEndBlock;
    std::u16string programPath;  // the settings file lies beside it
    TrayNotifier notifyTray = Shell_NotifyIconW;
    std::u16string startupFolder = {};  // where a shortcut starts the program at sign-in; none: the user's
};

// The program: its settings, the warning size every display applies, the
// clock and every window. The settings are loaded before any window exists;
// each window is built whole, in the order that lets each find what it needs.
class Application final : private MainWindowEvents {
public:
    // Builds every window and starts the clock. Throws std::system_error
    // when the system refuses a window.
    explicit Application(const SystemServices& system);

    // The message loop, until the program ends; the exit code.
    int Run();

    HWND MainWindowHandle() const { return mainWindow_.Handle(); }
    const TrayDisplay& Tray() const { return tray_; }

private:
    void OnClockBeat() override;
    void OnTaskbarCreated() override { tray_.TaskbarCreated(); }
    void OnDisplayChanged() override { tray_.FollowTaskbarIconSize(); }
    void OnVolumesChanged() override { driveKinds_.Forget(); }
    bool MayQuit() override;
    bool MayEndSession() override;
    void OnSessionEnd() override;
    void OnQuit() override { tray_.Remove(); }
    long long NotificationsSent() const override { return notificationsSent_; }
    // The menu's commands that are not the sidebar's own.
    void OnMenuCommand(MenuCommand command);
    void ShowMenuChecks();
    // Once a second, whether the sidebar shows or not: its gauges, and the
    // notification of the drives that crossed the warning size.
    void WatchDrives(bool sidebarDue);
    void NotifyCrossings(const std::vector<WatchedDrive>& drives);
    void SurveyCrossedDrive();

    std::optional<SettingsWriteError> SaveSettingsFile();

    const FileStore& files_;
    SessionEndBlock& sessionEndBlock_;
    const std::u16string settingsPath_;
    Settings settings_;
    DriveKindCache driveKinds_;
    LowSpaceWarning warning_;
    LowSpaceAlerts alerts_;
    char crossedDrive_ = 0;  // the first drive the last notification named
    long long notificationsSent_ = 0;
    StartupShortcut startup_;
    RefreshClock clock_;
    SidebarMenu menu_;
    MainWindow mainWindow_;
    HelpWindow help_;
    SidebarWindow sidebar_;
    const WallClockWin32 wallClock_;
    SurveyMemory surveyMemory_;
    FolderSizeWindow folderSizes_;
    SettingsWindow settingsWindow_;
    AboutBox about_;
    TrayDisplay tray_;
};

}  // namespace kuvano
