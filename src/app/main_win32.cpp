// Kuvano: shows how much space is free on the machine's drives.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "app/application_win32.h"
#include "platform/dll_search_win32.h"
#include "platform/drive_platform_win32.h"
#include "platform/failure_report.h"
#include "platform/file_store_win32.h"
#include "platform/module_path_win32.h"
#include "platform/session_end_block_win32.h"
#include "platform/single_instance_win32.h"
#include "platform/survey_system_win32.h"
#include "platform/text_collation_win32.h"

namespace {

// Shown when the system refuses the program its windows (out of desktop heap, say).
constexpr wchar_t kCannotStart[] = L"Kuvano を起動できません。ウィンドウを作成できませんでした。";

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything else is loaded: the program runs from download folders.
    if (!kuvano::RestrictDllSearchToSystemFolder()) return 1;
    const kuvano::SingleInstance instance(kuvano::ProgramPath());
    if (instance.AnotherRuns()) return 0;  // the copy already running goes on as it is
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    const kuvano::FileStoreWin32 files;
    const kuvano::DrivePlatformWin32 drives;
    const kuvano::TextCollationWin32 collation;
    kuvano::SessionEndBlockWin32 sessionEndBlock;
    try {
        kuvano::Application application(
            {files, drives, kuvano::SurveySystemWin32(), collation, sessionEndBlock, kuvano::ProgramPath()});
        return application.Run();
    } catch (...) {
        kuvano::ReportCaughtFailure(L"starting");
        MessageBoxW(nullptr, kCannotStart, L"Kuvano", MB_OK | MB_ICONERROR);
        return 1;
    }
}
