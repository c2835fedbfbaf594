#pragma once

#include <string>
#include <string_view>

namespace kuvano {

// The fallback tray drive: the first character of the drive part of the
// program's own path. "C:\Tools\Kuvano.exe" gives "C"; a network path
// ("\\server\share\...") gives a single backslash.
std::string HomeDriveFromProgramPath(std::u16string_view programPath);

}  // namespace kuvano
