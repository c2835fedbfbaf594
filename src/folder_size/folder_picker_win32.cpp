#include "folder_size/folder_picker_win32.h"

#include <shlobj.h>

#include <memory>
#include <optional>

#include "platform/failure_report.h"
#include "platform/scoped_win32.h"
#include "platform/shell_apartment_win32.h"
#include "platform/existing_folder_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

// The longest path the system's W functions take, with its terminating zero.
constexpr DWORD kLongestPath = 32768;

using ShellAllocator = UniqueCom<IMalloc>;

// Memory the shell allocated, returned to the allocator it came from.
struct ShellFree {
    IMalloc* allocator;
    void operator()(void* memory) const { allocator->Free(memory); }
};
template <typename T>
using ShellMemory = std::unique_ptr<T, ShellFree>;

// Folders deeper than 260 characters have a path too. Nothing for an item
// without a file-system path.
std::optional<std::u16string> FileSystemPath(PCIDLIST_ABSOLUTE item) {
    std::wstring path(kLongestPath, L'\0');
    if (!SHGetPathFromIDListEx(item, path.data(), kLongestPath, GPFIDL_DEFAULT)) return std::nullopt;
    path.resize(wcsnlen(path.c_str(), kLongestPath));
    if (path.empty()) return std::nullopt;
    return FromWide(path);
}

// Called from the system's dialog code: no exception may leave it.
int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data) noexcept {
    try {
        const auto* picker = reinterpret_cast<const FolderPicker*>(data);
        if (message == BFFM_INITIALIZED && IsExistingFolder(picker->folder)) {
            SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(Wide(picker->folder)));
        }
        std::u16string status;
        if (message == BFFM_SELCHANGED) {
            status = FileSystemPath(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam)).value_or(u"");
        }
        SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(Wide(status)));
    } catch (...) {
        ReportCaughtFailure(L"folder picker");
    }
    return 0;
}

}  // namespace

bool FolderPicker::Execute(HWND owner) {
    EnterShellApartment();
    IMalloc* allocatorPointer = nullptr;
    if (FAILED(SHGetMalloc(&allocatorPointer)) || !allocatorPointer) return false;
    const ShellAllocator allocator(allocatorPointer);
    const ShellFree shellFree{allocator.get()};
    LPITEMIDLIST desktopList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &desktopList))) return false;
    const ShellMemory<ITEMIDLIST> desktop(desktopList, shellFree);

    wchar_t displayName[MAX_PATH]{};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = desktop.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = Wide(title);
    info.ulFlags = BrowseFlags(options);
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    const ShellMemory<ITEMIDLIST> chosen(SHBrowseForFolderW(&info), shellFree);
    if (!chosen) return false;
    // A choice whose path cannot be read is none: the caller would take the
    // previous folder for it.
    const std::optional<std::u16string> path = FileSystemPath(chosen.get());
    if (!path) {
        ReportFailure(L"folder picker: the chosen item's path");
        return false;
    }
    folder = *path;
    return true;
}

}  // namespace kuvano
