#include "folder_size/folder_dialog_options.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>

namespace kuvano {
namespace {

// Which flag each option stands for, the picker shows under Wine; here, that
// each of the six gives its own flag and a set gives its options' flags.
TEST(FolderDialogOptions, EachOptionGivesOneFlagOfItsOwnAndASetTheirUnion) {
    std::set<uint32_t> flags;
    for (int ordinal = bifBrowseForComputer; ordinal <= bifStatusText; ++ordinal) {
        const uint32_t flag = BrowseFlags(FolderDlgOptionBit(static_cast<TFolderDlgOption>(ordinal)));
        EXPECT_TRUE(std::has_single_bit(flag)) << ordinal;
        flags.insert(flag);
    }
    EXPECT_EQ(flags.size(), 6u);
    for (TFolderDlgOptions set = 0; set < 64; ++set) {
        uint32_t united = 0;
        for (int ordinal = 0; ordinal < 6; ++ordinal)
            united |= set & (1u << ordinal) ? BrowseFlags(static_cast<TFolderDlgOptions>(1u << ordinal)) : 0;
        EXPECT_EQ(BrowseFlags(set), united) << int{set};
    }
}

}  // namespace
}  // namespace kuvano
