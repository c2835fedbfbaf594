#include "core/drive_name.h"

namespace kuvano {

std::u16string DriveNameText(std::string_view driveName) {
    std::u16string text;
    for (char c : driveName) {
        const auto byte = static_cast<unsigned char>(c);
        // Only ASCII can name a drive; anything else just has to stay unusable.
        text += byte < 0x80 ? static_cast<char16_t>(byte) : u'\uFFFD';
    }
    return text;
}

std::u16string DriveRoot(std::string_view driveName) {
    return DriveNameText(driveName) + u":\\";
}

std::string HomeDriveFromProgramPath(std::u16string_view programPath) {
    // A long-path prefix is not part of the drive: "\\?\C:\..." is on C, and
    // "\\?\UNC\server\share\..." is a network path.
    if (programPath.starts_with(u"\\\\?\\UNC\\")) return "\\";
    if (programPath.starts_with(u"\\\\?\\")) programPath.remove_prefix(4);
    if (programPath.starts_with(u"\\\\")) return "\\";
    if (programPath.size() >= 2 && programPath[1] == u':' && programPath[0] < 0x80) {
        return std::string(1, static_cast<char>(programPath[0]));
    }
    return "";
}

}  // namespace kuvano
