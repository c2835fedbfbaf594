#include "folder_size/folder_dialog_win32.h"

#include <shlobj.h>

#include <memory>

#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
using ShellAllocator = std::unique_ptr<IMalloc, ComRelease>;

// Memory the shell allocated, returned to the allocator it came from.
struct ShellFree {
    IMalloc* allocator;
    void operator()(void* memory) const { allocator->Free(memory); }
};
template <typename T>
using ShellMemory = std::unique_ptr<T, ShellFree>;

bool IsExistingDirectory(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data) {
    const auto* self = reinterpret_cast<const TFolderDialog*>(data);
    if (message == BFFM_INITIALIZED && IsExistingDirectory(self->Directory)) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(Wide(self->Directory)));
    }
    wchar_t status[MAX_PATH]{};
    if (message == BFFM_SELCHANGED && !SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), status)) {
        status[0] = L'\0';  // an item without a file-system path
    }
    SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(status));
    return 0;
}

// The picker is a shell dialog and needs COM on this thread. It is taken for
// the dialog only: a program resting in the tray all day need not hold COM.
class ComApartment {
public:
    ComApartment()
        : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (entered_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_;
};

}  // namespace

bool TFolderDialog::Execute() {
    const ComApartment com;
    IMalloc* allocatorPointer = nullptr;
    if (FAILED(SHGetMalloc(&allocatorPointer)) || !allocatorPointer) return false;
    const ShellAllocator allocator(allocatorPointer);
    const ShellFree shellFree{allocator.get()};
    const ShellMemory<wchar_t> path(static_cast<wchar_t*>(allocator->Alloc(MAX_PATH * sizeof(wchar_t))), shellFree);
    if (!path) return false;
    LPITEMIDLIST desktopList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner_, CSIDL_DESKTOP, &desktopList))) return false;
    const ShellMemory<ITEMIDLIST> desktop(desktopList, shellFree);

    wchar_t displayName[MAX_PATH]{};
    BROWSEINFOW info{};
    info.hwndOwner = owner_;
    info.pidlRoot = desktop.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = Wide(Title);
    info.ulFlags = BrowseFlags(Option);
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    const ShellMemory<ITEMIDLIST> chosen(SHBrowseForFolderW(&info), shellFree);
    if (!chosen) return false;
    if (SHGetPathFromIDListW(chosen.get(), path.get())) Directory = FromWide(path.get());
    return true;
}

}  // namespace kuvano
