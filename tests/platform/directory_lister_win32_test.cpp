#include "platform/directory_lister_win32.h"
#include "platform/local_time_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "folder_size/find_file.h"
#include "folder_size/folder_survey.h"
#include "platform/ordinal_collation.h"
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

// A chain of folders beyond 260 characters, made and removed through "\\?\"
// paths, its innermost folder holding names in two scripts. Each folder's
// name ends in a dot, which only such a path keeps: Wine has no length
// limit, but it too trims the dot from a plain path.
TEST(DirectoryListerWin32, ListsAndCountsBeyond260Characters) {
    testing::ScratchFolder folder(L"long");
    const std::wstring prefix = L"\\\\?\\";
    std::vector<std::wstring> chain{prefix + folder.Path()};
    while (chain.back().size() - prefix.size() <= 260) {
        chain.push_back(chain.back() + L"\\" + std::wstring(40, L'd') + L".");
        ASSERT_TRUE(CreateDirectoryW(chain.back().c_str(), nullptr));
    }
    const std::wstring files[] = {chain.back() + L"\\日本語のファイル.txt", chain.back() + L"\\Ελληνικά.bin"};
    testing::WriteFileBytes(files[0], std::string(1234, 'j'));
    testing::WriteFileBytes(files[1], std::string(4321, 'g'));

    const DirectoryListerWin32 lister;
    std::vector<std::u16string> names;
    TFindData entry;
    if (const auto listing = lister.Open(FromWide(chain.back().substr(prefix.size())) + u"\\*.*", entry)) {
        names.push_back(entry.name);
        for (uint32_t error = 0; listing->Next(entry, error);) names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::u16string>{u".", u"..", u"Ελληνικά.bin", u"日本語のファイル.txt"}));

    const LocalTimeWin32 localTime;
    const OrdinalCollation collation;
    FolderSurvey survey(lister, localTime, u"C:\\windows", collation);
    survey.Run(FromWide(folder.Path()));
    std::vector<std::pair<int64_t, int64_t>> rows;
    for (const SurveyRow& row : survey.Rows()) rows.emplace_back(row.bytes, row.entries);
    // Below the first folder of the chain: the other folders and the two files.
    EXPECT_EQ(rows, (std::vector<std::pair<int64_t, int64_t>>{{5555, static_cast<int64_t>(chain.size())}}));

    for (const std::wstring& file : files) DeleteFileW(file.c_str());
    for (size_t i = chain.size() - 1; i > 0; --i) RemoveDirectoryW(chain[i].c_str());
}

}  // namespace
}  // namespace kuvano
