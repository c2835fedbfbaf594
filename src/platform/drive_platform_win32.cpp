#include "platform/drive_platform_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/scoped_win32.h"
#include "platform/shell_apartment_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

// A removable drive without media must not ask the user to insert a disk.
constexpr DWORD kNoCriticalErrorDialogs = SEM_FAILCRITICALERRORS;

}  // namespace

uint32_t DrivePlatformWin32::LogicalDrives() const {
    return GetLogicalDrives();
}

DriveKind DrivePlatformWin32::Kind(const std::u16string& root) const {
    const ThreadErrorMode quiet(kNoCriticalErrorDialogs);
    return static_cast<DriveKind>(GetDriveTypeW(Wide(root)));
}

DriveSpace DrivePlatformWin32::Space(const std::u16string& root) const {
    const ThreadErrorMode quiet(kNoCriticalErrorDialogs);
    ULARGE_INTEGER freeToCaller{};
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExW(Wide(root), &freeToCaller, &total, nullptr)) return {};
    return {static_cast<int64_t>(freeToCaller.QuadPart), static_cast<int64_t>(total.QuadPart)};
}

std::u16string DrivePlatformWin32::DisplayName(const std::u16string& root) const {
    EnterShellApartment();
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(Wide(root), 0, &info, sizeof(info), SHGFI_DISPLAYNAME)) return {};
    return FromWide(info.szDisplayName);
}

}  // namespace kuvano
