#pragma once

#include <string>
#include <string_view>

namespace kuvano {

// The letters whose drives the displays watch, in the order they show them.
inline constexpr std::string_view kWatchedDriveLetters = "CDEFGHIJKLMNOPQRSTUVWXYZ";

// A drive name, as the tray drive setting holds it, as text.
std::u16string DriveNameText(std::string_view driveName);

// "C" -> "C:\". The first character names the drive; any text is passed on
// as it is, so that an unusable name fails the drive query.
std::u16string DriveRoot(std::string_view driveName);

// The fallback tray drive: the first character of the drive part of the
// program's own path. "C:\Tools\Kuvano.exe" gives "C"; a network path
// ("\\server\share\...") gives a single backslash.
std::string HomeDriveFromProgramPath(std::u16string_view programPath);

}  // namespace kuvano
