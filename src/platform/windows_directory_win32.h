#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/windows_directory.h"

namespace kuvano {

// Knows the Windows directory by its volume's serial number and its file id,
// read once: any path that opens the same folder is it.
class WindowsDirectoryWin32 final : public WindowsDirectory {
public:
    // The system's own (GetSystemWindowsDirectoryW: GetWindowsDirectoryW
    // gives a folder of the user's own on a Remote Desktop host).
    WindowsDirectoryWin32();
    explicit WindowsDirectoryWin32(const std::u16string& path);
    bool Is(const std::u16string& folder) const override;

    struct Identity {
        uint32_t volumeSerial = 0;
        uint64_t fileIndex = 0;
        bool operator==(const Identity&) const = default;
    };

private:
    std::u16string name_;
    std::optional<Identity> identity_;
};

}  // namespace kuvano
