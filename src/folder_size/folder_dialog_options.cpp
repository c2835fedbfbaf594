#include "folder_size/folder_dialog_options.h"

#include <array>
#include <cstddef>

namespace kuvano {
namespace {

// The system's flag for each option, in ordinal order.
constexpr std::array<uint32_t, 6> kFlags = {0x1000, 0x2000, 0x0002, 0x0008, 0x0001, 0x0004};

}  // namespace

uint32_t BrowseFlags(TFolderDlgOptions options) {
    uint32_t flags = 0;
    for (std::size_t ordinal = 0; ordinal < kFlags.size(); ++ordinal) {
        if (options & (1u << ordinal)) flags |= kFlags[ordinal];
    }
    return flags;
}

}  // namespace kuvano
