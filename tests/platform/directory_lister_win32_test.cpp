#include "platform/directory_lister_win32.h"
#include "platform/local_time_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "folder_size/find_file.h"
#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

// A real folder walked as the folder size survey walks it.
TEST(DirectoryListerWin32, FeedsTheSearchEngineWithRealEntries) {
    testing::ScratchFolder folder(L"lister");
    testing::WriteFileBytes(folder.File(L"a.txt"), std::string(1000, 'a'));
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"sub").c_str(), nullptr));
    testing::WriteFileBytes(folder.File(L"sub\\b.bin"), std::string(5000, 'b'));

    const DirectoryListerWin32 lister;
    const LocalTimeWin32 localTime;
    TFindFile find(lister, localTime, u"C:\\windows");
    find.SetBaseDir(FromWide(folder.Path()));
    find.SearchSubDir = true;
    std::vector<std::pair<std::u16string, uint64_t>> found;
    find.OnFind = [&](TFindFile&, const TFindData& entry, const std::u16string&, bool&) {
        found.emplace_back(entry.name, entry.size);
        EXPECT_NE(entry.lastWriteTime, 0u);
    };
    find.Conditions = ConditionBit(fcLastWriteTime);  // the widest bounds, through the system's time zone
    find.SetTimeProperty(0, 0);
    find.SetTimeProperty(1, 0);
    EXPECT_EQ(find.Run(), 0);
    std::sort(found.begin(), found.begin() + 2);  // the system orders a folder's entries as it likes
    EXPECT_EQ(found,
              (std::vector<std::pair<std::u16string, uint64_t>>{{u"a.txt", 1000}, {u"sub", 0}, {u"b.bin", 5000}}));

    TFindData first;
    EXPECT_EQ(lister.Open(FromWide(folder.File(L"missing\\*.*")), first), nullptr);
    DeleteFileW(folder.File(L"sub\\b.bin").c_str());
    RemoveDirectoryW(folder.File(L"sub").c_str());
}

}  // namespace
}  // namespace kuvano
