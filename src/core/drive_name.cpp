#include "core/drive_platform.h"

namespace kuvano {

std::u16string DriveNameText(std::string_view drivenam) {
    std::u16string text;
    for (char c : drivenam) {
        const auto byte = static_cast<unsigned char>(c);
        // Only ASCII can name a drive; anything else just has to stay unusable.
        text += byte < 0x80 ? static_cast<char16_t>(byte) : u'\uFFFD';
    }
    return text;
}

std::u16string DriveRoot(std::string_view drivenam) {
    return DriveNameText(drivenam) + u":\\";
}

}  // namespace kuvano
