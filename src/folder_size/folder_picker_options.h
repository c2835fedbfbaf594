#pragma once

#include <cstdint>

#include "core/enum_set.h"

namespace kuvano {

enum class FolderPickerOption : uint8_t {
    BrowseForComputer,
    BrowseForPrinter,
    DontGoBelowDomain,
    ReturnFileSystemAncestors,
    ReturnOnlyFileSystemFolders,
    StatusText,
};

// The folder picker's flags (the system's BIF_ values) for a set of options.
uint32_t BrowseFlags(EnumSet<FolderPickerOption> options);

}  // namespace kuvano
