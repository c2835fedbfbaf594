#include "platform/windows_directory_win32.h"

#include <windows.h>

#include "platform/folder_query_win32.h"
#include "platform/scoped_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

// Nothing where the folder cannot be opened.
std::optional<WindowsDirectoryWin32::Identity> IdentityOf(const std::u16string& folder) {
    const ThreadErrorMode quiet(SEM_FAILCRITICALERRORS);
    const UniqueFile opened = OpenFolderToQuery(folder);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!opened || !GetFileInformationByHandle(opened.get(), &information)) return std::nullopt;
    return WindowsDirectoryWin32::Identity{information.dwVolumeSerialNumber,
                                           (uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

// The folder's own name, as a listing calls it.
std::u16string_view OwnName(std::u16string_view path) {
    if (path.ends_with(u'\\')) path.remove_suffix(1);
    return path.substr(path.find_last_of(u"\\:") + 1);
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()), static_cast<int>(a.size()),
                                reinterpret_cast<const wchar_t*>(b.data()), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

std::u16string SystemWindowsDirectory() {
    wchar_t path[MAX_PATH + 1]{};
    const UINT length = GetSystemWindowsDirectoryW(path, MAX_PATH + 1);
    return length == 0 || length > MAX_PATH ? std::u16string() : FromWide(std::wstring_view(path, length));
}

}  // namespace

WindowsDirectoryWin32::WindowsDirectoryWin32() : WindowsDirectoryWin32(SystemWindowsDirectory()) {}

WindowsDirectoryWin32::WindowsDirectoryWin32(const std::u16string& path)
    : name_(OwnName(path)), identity_(IdentityOf(path)) {}

// A listing gives each subfolder its long name, so the Windows directory,
// however its parent is spelt, is called by its own: only a folder of that
// name is opened, which spares a round trip per subfolder on a share.
bool WindowsDirectoryWin32::Is(const std::u16string& folder) const {
    return identity_ && SameName(OwnName(folder), name_) && IdentityOf(folder) == identity_;
}

}  // namespace kuvano
