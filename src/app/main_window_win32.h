#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/file_store.h"
#include "core/settings.h"
#include "help/about_box_win32.h"
#include "platform/base_window_win32.h"
#include "platform/drive_kind_cache.h"
#include "platform/unique_handle_win32.h"
#include "tray/drive_monitor.h"
#include "tray/task_tray_mini_win32.h"
#include "tray/tray_image_lists_win32.h"

namespace kuvano {

// TForm1: the hidden main window. It loads the settings when it is created,
// owns the tray icon and its 500 ms monitor, and writes the settings back in
// its close query; closing it ends the program. Being a top-level window, it
// hears of volumes arriving and leaving, and makes the drive types be asked again.
class TForm1 final : public BaseWindow<TForm1> {
public:
    static constexpr UINT_PTR kTimer1 = 1;
    static constexpr UINT kTimer1Interval = 500;

    TForm1(Settings& settings, const FileStore& store, std::u16string programPath, DriveKindCache& driveKinds);
    bool Create();
    // Made once the other windows exist, before the message loop starts;
    // starts the monitor's timer.
    void Link(DriveMonitor& monitor, TFormInfo& about, const TrayPopupMenu& popupMenu);

    // The picture the tray shows now.
    HICON TrayIconObject() const { return trayIconObject_; }

    static const wchar_t* ClassName() { return L"TForm1"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void FormCreate();
    bool FormCloseQuery();
    void FormDestroy();
    void Timer1Timer();
    void TaskTrayMini1MouseUp(const TrayMouseEvent& event);
    LRESULT OnClose();
    void FollowTaskbarIconSize();

    Settings& settings_;
    const FileStore& store_;
    std::u16string programPath_;
    DriveKindCache& driveKinds_;
    bool followLetters_ = false;
    int iconSize_ = 0;  // the taskbar's small icon side the pictures are made for
    UniqueIcon mainIcon_;
    std::optional<TrayImageLists> imageLists_;
    std::optional<TrayPictureChoice> shownPicture_;
    HICON trayIconObject_ = nullptr;  // the picture shown now; owned by mainIcon_ or imageLists_
    std::u16string trayTip_ = u"Kuvano";
    std::optional<TTaskTrayMini> taskTrayMini1_;
    DriveMonitor* monitor_ = nullptr;
    TFormInfo* about_ = nullptr;
};

}  // namespace kuvano
