#include "folder_size/folder_picker_options.h"

#include <array>
#include <utility>

namespace kuvano {
namespace {

constexpr std::array<std::pair<FolderPickerOption, uint32_t>, 6> kFlags{{
    {FolderPickerOption::BrowseForComputer, 0x1000},
    {FolderPickerOption::BrowseForPrinter, 0x2000},
    {FolderPickerOption::DontGoBelowDomain, 0x0002},
    {FolderPickerOption::ReturnFileSystemAncestors, 0x0008},
    {FolderPickerOption::ReturnOnlyFileSystemFolders, 0x0001},
    {FolderPickerOption::StatusText, 0x0004},
}};

}  // namespace

uint32_t BrowseFlags(EnumSet<FolderPickerOption> options) {
    uint32_t flags = 0;
    for (const auto& [option, flag] : kFlags) {
        if (options.Has(option)) flags |= flag;
    }
    return flags;
}

}  // namespace kuvano
