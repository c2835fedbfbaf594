// Kuvano: shows how much space is free on the machine's drives.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/application_commands_win32.h"
#include "app/main_window_win32.h"
#include "folder_size/folder_size_window_win32.h"
#include "help/about_box_win32.h"
#include "help/help_window_win32.h"
#include "platform/dialog_keys_win32.h"
#include "platform/directory_lister_win32.h"
#include "platform/dll_search_win32.h"
#include "platform/drive_kind_cache.h"
#include "platform/drive_platform_win32.h"
#include "platform/failure_report_win32.h"
#include "platform/file_store_win32.h"
#include "platform/local_time_win32.h"
#include "platform/module_path_win32.h"
#include "platform/text_collation_win32.h"
#include "settings_panel/settings_window_win32.h"
#include "sidebar/sidebar_window_win32.h"
#include "tray/drive_monitor.h"

namespace {

// Shown when the system refuses the program its windows (out of desktop heap, say).
constexpr wchar_t kCannotStart[] = L"Kuvano を起動できません。ウィンドウを作成できませんでした。";

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything else is loaded: the program runs from download folders.
    if (!kuvano::RestrictDllSearchToSystemFolder()) return 1;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    const kuvano::FileStoreWin32 store;
    const kuvano::DrivePlatformWin32 system;
    kuvano::DriveKindCache drives(system);
    kuvano::Settings settings;

    // The main window comes first: creating it loads the settings that the
    // others read when they are created.
    kuvano::TForm1 form1(settings, store, kuvano::ProgramPath(), drives);
    kuvano::TForm3 form3;
    kuvano::TForm4 form4(settings, drives);
    const kuvano::DirectoryListerWin32 lister;
    const kuvano::LocalTimeWin32 localTime;
    const kuvano::TextCollationWin32 collation;
    kuvano::TForm5 form5(lister, localTime, collation);
    kuvano::TForm2 form2(settings, drives);
    kuvano::TFormInfo formInfo;
    if (!form1.Create() || !form3.Create(form1.Handle()) || !form4.Create(form1.Handle()) ||
        !form5.Create(form1.Handle()) || !form2.Create(form1.Handle()) || !formInfo.Create(form1.Handle())) {
        const DWORD error = GetLastError();
        kuvano::ReportFailure(L"creating the windows, error " + std::to_wstring(error));
        MessageBoxW(nullptr, kCannotStart, L"Kuvano", MB_OK | MB_ICONERROR);
        return 1;
    }
    kuvano::DriveMonitor monitor(settings, drives, form2.Warning());
    form1.Link(monitor, formInfo, {form4.Menu(), form4.Handle()});
    form4.Link(form2.Warning(), [&](kuvano::SidebarCommand command) {
        kuvano::RouteApplicationCommand(command, {form1.Handle(), form2.Handle(), form3, form5.Handle()});
    });

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (kuvano::TranslateDialogKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
