#include "platform/drive_platform.h"

namespace kuvano {

std::u16string DriveRoot(std::string_view drivenam) {
    std::u16string root;
    for (char c : drivenam) {
        const auto byte = static_cast<unsigned char>(c);
        // Only an ASCII letter can name a drive; anything else just has to stay unusable.
        root += byte < 0x80 ? static_cast<char16_t>(byte) : u'\uFFFD';
    }
    return root + u":\\";
}

}  // namespace kuvano
