#include "platform/volume_kinds_win32.h"

#include <windows.h>
#include <winioctl.h>

#include <string>

#include "platform/folder_query_win32.h"
#include "platform/long_path.h"
#include "platform/scoped_win32.h"
#include "platform/volume_kind_decision.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

// The volume as a device: "\\.\C:" for a drive letter, else the volume's
// GUID name without the trailing backslash, which would name its root folder.
std::optional<std::wstring> VolumeDevice(const std::u16string& folder) {
    wchar_t volume[MAX_PATH + 1]{};
    if (!GetVolumePathNameW(Wide(LongPath(folder)), volume, MAX_PATH + 1)) return std::nullopt;
    std::wstring path = volume;
    if (path.starts_with(L"\\\\?\\") && path.size() == 7) path.erase(0, 4);
    if (path.size() == 3 && path[1] == L':') return L"\\\\.\\" + path.substr(0, 2);
    wchar_t name[MAX_PATH]{};
    if (!GetVolumeNameForVolumeMountPointW(path.c_str(), name, MAX_PATH)) return std::nullopt;
    std::wstring device = name;
    if (device.ends_with(L'\\')) device.pop_back();
    return device;
}

class VolumeProbeWin32 final : public VolumeProbe {
public:
    std::optional<std::u16string> ResolvedPath(const std::u16string& folder) const override {
        const UniqueFile opened = OpenFolderToQuery(folder);
        if (!opened) return std::nullopt;
        std::wstring path(MAX_PATH, L'\0');
        for (;;) {
            const DWORD length = GetFinalPathNameByHandleW(opened.get(), path.data(), static_cast<DWORD>(path.size()),
                                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
            if (length == 0) return std::nullopt;
            if (length < path.size()) return FromWide(std::wstring_view(path.data(), length));
            path.resize(length);  // the size it needs, with its terminating null
        }
    }

    bool IsRemoteLetter(char16_t letter) const override {
        const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
        return GetDriveTypeW(root) == DRIVE_REMOTE;
    }

    // No access rights are asked for: the query needs none, so it works without elevation.
    std::optional<bool> SeekPenalty(const std::u16string& path) const override {
        const std::optional<std::wstring> device = VolumeDevice(path);
        if (!device) return std::nullopt;
        const UniqueFile volume(
            CreateFileW(device->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!volume) return std::nullopt;
        STORAGE_PROPERTY_QUERY query{};
        query.PropertyId = StorageDeviceSeekPenaltyProperty;
        query.QueryType = PropertyStandardQuery;
        DEVICE_SEEK_PENALTY_DESCRIPTOR answer{};
        DWORD returned = 0;
        if (!DeviceIoControl(volume.get(), IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query), &answer, sizeof(answer),
                             &returned, nullptr) ||
            returned < sizeof(answer)) {
            return std::nullopt;
        }
        return answer.IncursSeekPenalty != FALSE;
    }
};

}  // namespace

VolumeKind VolumeKindsWin32::KindOf(const std::u16string& folder) const {
    // A removable drive without media must not ask the user to insert a disk.
    const ThreadErrorMode quiet(SEM_FAILCRITICALERRORS);
    return DecideVolumeKind(folder, VolumeProbeWin32());
}

}  // namespace kuvano
