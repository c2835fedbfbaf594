#pragma once

#include <cstdint>

namespace kuvano {

enum TFolderDlgOption : uint8_t {
    bifBrowseForComputer = 0,
    bifBrowseForPrinter,
    bifDontGoBelowDomain,
    bifReturnFSAncestors,
    bifReturnOnlyFSDirs,
    bifStatusText,
};

// A set of TFolderDlgOption, bit n for ordinal n.
using TFolderDlgOptions = uint8_t;
constexpr TFolderDlgOptions FolderDlgOptionBit(TFolderDlgOption option) {
    return static_cast<TFolderDlgOptions>(1u << option);
}

// The folder picker's flags (the system's BIF_ values) for a set of options.
uint32_t BrowseFlags(TFolderDlgOptions options);

}  // namespace kuvano
