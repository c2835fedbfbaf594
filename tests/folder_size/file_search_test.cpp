#include "folder_size/file_search.h"

#include <gtest/gtest.h>

#include <atomic>
#include <tuple>

#include "support/fake_directory_lister.h"

namespace kuvano {
namespace {

using Names = std::vector<std::u16string>;

// C:\A holds a1.txt, B, C (hidden), big.bin (read-only) and L (a link, never
// entered); B holds b1.txt and D (system); C holds c1.txt, D d1.txt.
class FileSearchTest : public ::testing::Test {
protected:
    static constexpr uint64_t kWritten = 132'316'416'000'000'000;

    FileSearchTest() {
        lister.folders[u"C:\\A"] = {{kAttributeArchive, 1, 0, kWritten, 10, u"a1.txt"}};
        lister.AddSubfolder(u"C:\\A", u"B");
        lister.AddSubfolder(u"C:\\A", u"C", kAttributeHidden);
        lister.AddFile(u"C:\\A", u"big.bin", 5ull << 30, kAttributeReadOnly);
        lister.AddSubfolder(u"C:\\A", u"L", kAttributeReparsePoint);
        lister.AddFile(u"C:\\A\\L", u"inside.txt");
        lister.AddFile(u"C:\\A\\B", u"b1.txt", 20);
        lister.AddSubfolder(u"C:\\A\\B", u"D", kAttributeSystem);
        lister.AddFile(u"C:\\A\\C", u"c1.txt", 30);
        lister.AddFile(u"C:\\A\\B\\D", u"d1.txt", 40);
        find.SetBaseFolder(u"C:\\A\\");
        find.onEntry = [this](const DirectoryEntry& entry, const std::u16string& dir, bool&) {
            reported.push_back((dir.size() > 4 ? dir.substr(5) + u"\\" : std::u16string()) + entry.name);
        };
    }

    testing::FakeDirectoryLister lister;
    FileSearch find{lister, u"C:\\windows"};
    Names reported;
};

TEST_F(FileSearchTest, ReportsTheEntriesThatPassEveryChosenTestDepthFirst) {
    using F = FileSearch&;
    const std::tuple<const char*, void (*)(F), Names> cases[] = {
        {"one folder", [](F) {}, {u"a1.txt", u"B", u"C", u"big.bin", u"L"}},
        {"the tree",
         [](F f) { f.wholeTree = true; },
         {u"a1.txt", u"B", u"C", u"big.bin", u"L", u"B\\b1.txt", u"B\\D", u"B\\D\\d1.txt", u"C\\c1.txt"}},
        {"plain subfolders, as the survey asks",
         [](F f) {
             f.tests = {SearchTest::Directory, SearchTest::Hidden, SearchTest::System};
             f.wholeTree = f.wanted.directory = true;
         },
         {u"B", u"L"}},
        {"read-only wanted", [](F f) { f.tests = {SearchTest::ReadOnly}, f.wanted.readOnly = true; }, {u"big.bin"}},
        {"archive not wanted", [](F f) { f.tests = {SearchTest::Archive}; }, {u"B", u"C", u"big.bin", u"L"}},
        {"sizes from 10: 5 GiB is beyond 2^31", [](F f) { f.tests = {SearchTest::Size}, f.minSize = 10; }, {u"a1.txt"}},
        {"a zero creation time fails whatever the bounds",
         [](F f) { f.tests = {SearchTest::CreationTime}; },
         {u"a1.txt"}},
        {"a zero last-access time fails whatever the bounds", [](F f) { f.tests = {SearchTest::LastAccessTime}; }, {}},
        {"time bounds are inclusive",
         [](F f) { f.tests = {SearchTest::LastWriteTime}, f.timeBounds[0] = f.timeBounds[1] = kWritten; },
         {u"a1.txt"}},
        {"a report mask still descends through the folder mask",
         [](F f) { f.wholeTree = true, f.fileMask = u"*1.txt"; },
         {u"a1.txt", u"B\\b1.txt", u"B\\D\\d1.txt", u"C\\c1.txt"}},
    };
    for (const auto& [what, set, expected] : cases) {
        FileSearch search(lister, u"C:\\windows");
        search.SetBaseFolder(u"C:\\A");
        search.onEntry = find.onEntry;
        set(search);
        reported.clear();
        EXPECT_EQ(search.Run(), 0) << what;
        EXPECT_EQ(reported, expected) << what;
    }
}

TEST_F(FileSearchTest, AListingErrorEndsTheWalkWithIt) {
    find.wholeTree = true;
    lister.failAfter[u"C:\\A\\B"] = {1, 59};  // an unexpected network error
    EXPECT_EQ(find.Run(), 59);
    EXPECT_EQ(reported, (Names{u"a1.txt", u"B", u"C", u"big.bin", u"L"}));
}

TEST_F(FileSearchTest, TheCancelFlagEndsTheWalkAtTheNextEntryOrFolder) {
    std::atomic<bool> cancel = false;
    find.wholeTree = true;
    find.CancelWhen(cancel);
    find.onEntry = [&](const DirectoryEntry& entry, const std::u16string&, bool&) {
        reported.push_back(entry.name);
        cancel = find.Run() == 0;  // a run inside a run is refused at once: both would share one queue
    };
    EXPECT_EQ(find.Run(), kSearchCancelled);
    EXPECT_EQ(reported, Names{u"a1.txt"});
    const size_t opened = lister.opened;
    EXPECT_EQ(find.Run(), kSearchCancelled) << "the flag stays set until its owner clears it";
    EXPECT_EQ(lister.opened, opened) << "a cancelled walk opens no further folder";
    find.SetBaseFolder(u"C:\\");
    find.SetBaseFolder(u"C");  // too short: ignored
    EXPECT_EQ(find.BaseFolder(), u"C:") << "one trailing backslash is cut";
}

}  // namespace
}  // namespace kuvano
