#include "platform/volume_seek_penalty_win32.h"

#include <windows.h>
#include <winioctl.h>

#include <string>

#include "platform/long_path.h"
#include "platform/scoped_win32.h"
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

}  // namespace

// No access rights are asked for: the query needs none, so it works without elevation.
std::optional<bool> VolumeSeekPenaltyWin32::SeekPenalty(const std::u16string& folder) const {
    const std::optional<std::wstring> device = VolumeDevice(folder);
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

}  // namespace kuvano
