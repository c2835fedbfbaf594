#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "core/drive_platform.h"
#include "core/low_space_warning.h"
#include "core/settings.h"
#include "platform/scoped_win32.h"
#include "tray/drive_monitor.h"
#include "tray/tray_icon_win32.h"
#include "tray/tray_picture_icons_win32.h"

namespace kuvano {

// The program in the notification area: the program's icon with the tip
// "Kuvano" until the first beat, then the tray drive's picture and tooltip,
// at the taskbar's icon size.
class TrayDisplay {
public:
    TrayDisplay(HWND owner, Settings& settings, const DrivePlatform& drives, const LowSpaceWarning& warning,
                TrayPopupMenu menu, TrayClicks clicks, TrayNotifier notify);

    // One beat of the clock.
    void Refresh();
    // The taskbar shows small icons at its monitor's scale: the pictures are
    // made for that size when it changes, never on a beat.
    void FollowTaskbarIconSize();
    // A new taskbar: the icon goes back, at the new taskbar's size.
    void TaskbarCreated();
    // The program ends: the icon leaves the notification area.
    void Remove() { icon_.Remove(); }
    // A notification from the program's icon; true when the shell took it.
    bool Notify(std::u16string_view text) { return icon_.Notify(u"Kuvano", text); }

    HICON ShownPicture() const { return shown_; }

private:
    HICON PictureFor(const std::optional<TrayPictureChoice>& choice) const;

    DriveMonitor monitor_;
    int iconSize_;
    UniqueIcon programIcon_;
    TrayPictureIcons pictures_;
    std::optional<TrayPictureChoice> shownChoice_;  // none until the first beat
    HICON shown_;                                   // owned by programIcon_ or pictures_
    std::u16string tip_ = u"Kuvano";
    TrayIcon icon_;
};

}  // namespace kuvano
