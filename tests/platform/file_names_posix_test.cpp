#include "platform/directory_lister_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "support/scratch_folder_posix.h"

namespace kuvano {
namespace {

using testing::ScratchFolder;
using testing::WriteFileOfSize;

std::u16string Windows(const std::string& folder) {
    return std::filesystem::path(folder).u16string();
}

// Every entry of a listing in order, and the code that ended it.
std::vector<TFindData> List(const DirectoryLister& lister, const std::u16string& pattern, uint32_t& endError) {
    std::vector<TFindData> entries(1);
    const auto listing = lister.Open(pattern, entries[0]);
    if (!listing) return {};
    for (TFindData entry; listing->Next(entry, endError);) entries.push_back(entry);
    return entries;
}

std::vector<std::u16string> Names(const std::vector<TFindData>& entries) {
    std::vector<std::u16string> names;
    for (const TFindData& entry : entries) names.push_back(entry.name);
    return names;
}

TEST(DirectoryListerPosix, DescribesEntriesAsTheSystemsFindFunctionsDo) {
    const ScratchFolder folder("lister");
    WriteFileOfSize(folder.File("a.txt"), 1000);
    const timespec times[2] = {{1'587'168'000, 500}, {1'587'168'001, 123'456'789}};  // 2020-04-18 UTC
    ASSERT_EQ(utimensat(AT_FDCWD, folder.File("a.txt").c_str(), times, 0), 0);
    WriteFileOfSize(folder.File(".profile"), 7);
    WriteFileOfSize(folder.File("ro.txt"), 3);
    chmod(folder.File("ro.txt").c_str(), 0444);
    std::filesystem::create_directory(folder.File("sub"));
    std::filesystem::create_directory_symlink("sub", folder.File("to-sub"));
    std::filesystem::create_symlink("a.txt", folder.File("to-file"));
    std::filesystem::create_symlink("missing", folder.File("dangling"));
    ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0644), 0);

    const DirectoryListerPosix lister;
    uint32_t endError = 0;
    const std::vector<TFindData> entries = List(lister, Windows(folder.Path()) + u"\\*.*", endError);
    EXPECT_EQ(endError, 18u);
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, u".");
    EXPECT_EQ(entries[1].name, u"..");
    std::map<std::u16string, std::pair<uint32_t, uint64_t>> found;
    for (const TFindData& entry : entries) found[entry.name] = {entry.attributes, entry.size};
    const std::map<std::u16string, std::pair<uint32_t, uint64_t>> expected{
        {u".", {0x10, 0}},         {u"..", {0x10, 0}},  {u"a.txt", {0x20, 1000}}, {u".profile", {0x22, 7}},
        {u"ro.txt", {0x21, 3}},    {u"sub", {0x10, 0}}, {u"to-sub", {0x410, 0}},  {u"to-file", {0x400, 0}},
        {u"dangling", {0x400, 0}}, {u"pipe", {0, 0}}};
    EXPECT_EQ(found, expected);

    const auto a = std::ranges::find(entries, u"a.txt", &TFindData::name);
    ASSERT_NE(a, entries.end());
    constexpr uint64_t kTicksTo2020 = 132'316'416'000'000'000;  // 1601 to 2020-04-18
    EXPECT_EQ(a->lastAccessTime, kTicksTo2020 + 5);
    EXPECT_EQ(a->lastWriteTime, kTicksTo2020 + 10'000'000 + 1'234'567);
    EXPECT_EQ(a->creationTime, 0u);
}

TEST(DirectoryListerPosix, MasksMatchWithoutRegardToCaseAndNoMatchGivesNothing) {
    const ScratchFolder folder("masks");
    for (const char* name : {"Report.TXT", "notes.txt", "ДОКУМЕНТ.txt", "ｆｕｌｌ.md", "noext", "a.b.c"}) {
        WriteFileOfSize(folder.File(name), 1);
    }
    const DirectoryListerPosix lister;
    const std::u16string base = Windows(folder.Path()) + u"\\";
    const auto matching = [&](const std::u16string& mask) {
        uint32_t endError = 0;
        std::vector<std::u16string> names = Names(List(lister, base + mask, endError));
        std::ranges::sort(names);
        return names;
    };
    using Names = std::vector<std::u16string>;
    EXPECT_EQ(matching(u"*.txt"), (Names{u"Report.TXT", u"notes.txt", u"ДОКУМЕНТ.txt"}));
    EXPECT_EQ(matching(u"документ.*"), Names{u"ДОКУМЕНТ.txt"});
    EXPECT_EQ(matching(u"ＦＵＬＬ.?d"), Names{u"ｆｕｌｌ.md"});
    EXPECT_EQ(matching(u"*.B.?"), Names{u"a.b.c"});
    EXPECT_EQ(matching(u"N*T*"), (Names{u"noext", u"notes.txt"}));
    EXPECT_EQ(matching(u"*").size(), 8u);  // the dots too
    EXPECT_EQ(matching(u"missing*"), Names{});
    EXPECT_EQ(matching(u"..."), Names{});

    TFindData first;
    EXPECT_EQ(lister.Open(base + u"gone\\*.*", first), nullptr);
}

// Bytes that are not UTF-8, and backslashes, which the engine takes for separators.
TEST(DirectoryListerPosix, EveryNameLeadsBackToItsEntry) {
    const ScratchFolder folder("names");
    const std::map<std::string, std::u16string> names{
        {"\xff\xfe"
         "ab",
         u"\xDCFF\xDCFE"
         u"ab"},
        {"a\\b",
         u"a\xF05C"
         u"b"},
        {"\xef\x81\x9c", u"\xDCEF\xDC81\xDC9C"},  // U+F05C itself
        {"\xed\xa0\x80", u"\xDCED\xDCA0\xDC80"},  // an encoded surrogate
        {"日本語😀", u"日本語😀"},
    };
    for (const auto& [posix, windows] : names) {
        std::filesystem::create_directory(folder.File(posix));
        WriteFileOfSize(folder.File(posix) + "/inside", 5);
    }
    const DirectoryListerPosix lister;
    const std::u16string base = Windows(folder.Path());
    uint32_t endError = 0;
    std::vector<std::u16string> listed = Names(List(lister, base + u"\\*.*", endError));
    std::ranges::sort(listed);
    std::vector<std::u16string> expected{u".", u".."};
    for (const auto& [posix, windows] : names) expected.push_back(windows);
    std::ranges::sort(expected);
    EXPECT_EQ(listed, expected);
    for (const auto& [posix, windows] : names) {
        const std::vector<TFindData> inside = List(lister, base + u"\\" + windows + u"\\*.*", endError);
        ASSERT_EQ(inside.size(), 3u) << posix;
        EXPECT_EQ(inside[2].name, u"inside");
        EXPECT_EQ(inside[2].size, 5u);
    }
}

}  // namespace
}  // namespace kuvano
