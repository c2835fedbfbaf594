#include "platform/startup_shortcut_win32.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/failure_report.h"
#include "platform/scoped_win32.h"
#include "platform/shell_apartment_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

constexpr DWORD kLongestPath = 32768;

UniqueCom<IShellLinkW> NewShellLink() {
    EnterShellApartment();
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))) return nullptr;
    return UniqueCom<IShellLinkW>(link);
}

UniqueCom<IPersistFile> FileOf(IShellLinkW& link) {
    IPersistFile* file = nullptr;
    if (FAILED(link.QueryInterface(IID_PPV_ARGS(&file)))) return nullptr;
    return UniqueCom<IPersistFile>(file);
}

std::u16string FolderOf(const std::u16string& path) {
    return path.substr(0, path.find_last_of(u"\\:") + 1);
}

std::u16string UserStartupFolder() {
    PWSTR folder = nullptr;
    const HRESULT found = SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &folder);
    const UniqueCoTaskMemory<wchar_t> owned(folder);
    if (FAILED(found)) {
        ReportFailure(L"the Startup folder");
        return {};
    }
    return FromWide(folder);
}

}  // namespace

StartupShortcut::StartupShortcut(std::u16string folder, std::u16string programPath)
    : folder_(std::move(folder)), programPath_(std::move(programPath)) {}

const std::u16string& StartupShortcut::Shortcut() const {
    if (shortcut_.empty()) {
        if (folder_.empty()) folder_ = UserStartupFolder();
        if (!folder_.empty()) shortcut_ = folder_ + u"\\Kuvano.lnk";
    }
    return shortcut_;
}

// Read without resolving: a shortcut to a program that moved stays what it is.
bool StartupShortcut::StartsThisProgram() const {
    const std::u16string& shortcut = Shortcut();
    if (shortcut.empty() || GetFileAttributesW(Wide(shortcut)) == INVALID_FILE_ATTRIBUTES) return false;
    const UniqueCom<IShellLinkW> link = NewShellLink();
    const UniqueCom<IPersistFile> file = link ? FileOf(*link) : nullptr;
    if (!file || FAILED(file->Load(Wide(shortcut), STGM_READ))) {
        ReportFailure(L"reading the startup shortcut");
        return false;
    }
    std::wstring target(kLongestPath, L'\0');
    if (FAILED(link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, SLGP_RAWPATH))) return false;
    target.resize(wcsnlen(target.c_str(), target.size()));
    return CompareStringOrdinal(target.c_str(), static_cast<int>(target.size()), Wide(programPath_),
                                static_cast<int>(programPath_.size()), TRUE) == CSTR_EQUAL;
}

bool StartupShortcut::Set(bool start) const {
    const std::u16string& shortcut = Shortcut();
    if (shortcut.empty()) return false;
    if (!start) return DeleteFileW(Wide(shortcut)) || GetLastError() == ERROR_FILE_NOT_FOUND;
    const UniqueCom<IShellLinkW> link = NewShellLink();
    const UniqueCom<IPersistFile> file = link ? FileOf(*link) : nullptr;
    return file && SUCCEEDED(link->SetPath(Wide(programPath_))) &&
           SUCCEEDED(link->SetWorkingDirectory(Wide(FolderOf(programPath_)))) &&
           SUCCEEDED(file->Save(Wide(shortcut), TRUE));
}

}  // namespace kuvano
