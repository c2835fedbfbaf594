#include "folder_size/folder_dialog_options.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

// In ordinal order: bit n of the set stands for ordinal n.
TEST(FolderDialogOptions, EachOptionGivesItsSystemFlag) {
    const std::vector<std::pair<TFolderDlgOption, uint32_t>> flags = {
        {bifBrowseForComputer, 0x1000}, {bifBrowseForPrinter, 0x2000}, {bifDontGoBelowDomain, 0x0002},
        {bifReturnFSAncestors, 0x0008}, {bifReturnOnlyFSDirs, 0x0001}, {bifStatusText, 0x0004},
    };
    for (size_t ordinal = 0; ordinal < flags.size(); ++ordinal) {
        const auto [option, flag] = flags[ordinal];
        EXPECT_EQ(FolderDlgOptionBit(option), 1u << ordinal);
        EXPECT_EQ(BrowseFlags(FolderDlgOptionBit(option)), flag) << ordinal;
    }
    EXPECT_EQ(BrowseFlags(0), 0u);
    EXPECT_EQ(BrowseFlags(FolderDlgOptionBit(bifReturnOnlyFSDirs) | FolderDlgOptionBit(bifStatusText)), 5u);
    EXPECT_EQ(BrowseFlags(0x3F), 0x300Fu);
}

}  // namespace
}  // namespace kuvano
