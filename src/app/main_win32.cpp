// Kuvano: shows how much space is free on the machine's drives.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win32.h"
#include "app/settings_file.h"
#include "platform/file_store_win32.h"
#include "platform/module_path_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    const kuvano::FileStoreWin32 store;
    kuvano::Settings settings;
    kuvano::TForm1 form1(settings, store, kuvano::SettingsFileName(kuvano::ProgramPath()));
    if (!form1.Create()) return 1;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
