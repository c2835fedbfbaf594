#include "tray/tray_display_win32.h"

#include "platform/dpi_win32.h"
#include "platform/failure_report.h"
#include "platform/locale_win32.h"
#include "resource_ids.h"

namespace kuvano {
namespace {

int TaskbarIconSize() {
    return SmallIconSize(PrimaryMonitorDpi());
}

UniqueIcon ProgramIcon(int size) {
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KUVANO), IMAGE_ICON, size, size, 0)));
}

}  // namespace

TrayDisplay::TrayDisplay(HWND owner, Settings& settings, const DrivePlatform& drives, const LowSpaceWarning& warning,
                         TrayPopupMenu menu, TrayClicks clicks, TrayNotifier notify)
    : monitor_(settings, drives, warning),
      iconSize_(TaskbarIconSize()),
      programIcon_(ProgramIcon(iconSize_)),
      pictures_(iconSize_),
      shown_(programIcon_.get()),
      icon_(owner, menu, std::move(clicks), std::move(notify)) {
    icon_.Add(shown_, tip_);
}

HICON TrayDisplay::PictureFor(const std::optional<TrayPictureChoice>& choice) const {
    return choice ? pictures_.Picture(choice->kind, choice->index) : programIcon_.get();
}

// A failed refresh leaves only a trace for the debugger; the next one starts afresh.
void TrayDisplay::Refresh() {
    try {
        const TrayUpdate update = monitor_.Read(UserThousandsSeparator());
        if (update.picture) shownChoice_ = update.picture;
        shown_ = PictureFor(shownChoice_);
        tip_ = update.tip;
        icon_.Update(shown_, tip_);
    } catch (...) {
        ReportCaughtFailure(L"tray refresh");
    }
}

void TrayDisplay::FollowTaskbarIconSize() {
    const int size = TaskbarIconSize();
    if (size == iconSize_) return;
    iconSize_ = size;
    programIcon_ = ProgramIcon(size);
    pictures_ = TrayPictureIcons(size);
    shown_ = PictureFor(shownChoice_);
    icon_.Update(shown_, tip_);
}

void TrayDisplay::TaskbarCreated() {
    FollowTaskbarIconSize();
    icon_.TaskbarCreated();
}

}  // namespace kuvano
