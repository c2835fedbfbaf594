#include "folder_size/find_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_directory_lister.h"
#include "support/fake_local_time.h"

namespace kuvano {
namespace {

using testing::FakeDirectoryLister;

TEST(TFindFirstLoop, ListsEveryEntryDotsIncluded) {
    FakeDirectoryLister lister;
    lister.AddFile(u"C:\\A", u"a.txt");
    lister.AddFile(u"C:\\A", u"b.ini");
    TFindFirstLoop loop(lister);
    EXPECT_EQ(loop.Run(), 0);  // no OnFind: nothing listed
    EXPECT_EQ(lister.opened, 0);

    std::vector<std::u16string> names;
    loop.OnFind = [&](TFindFirstLoop&, const TFindData& entry, bool&) { names.push_back(entry.name); };
    loop.SetPath(u"C:\\A\\*.*");
    EXPECT_EQ(loop.Run(), 0);
    EXPECT_EQ(names, (std::vector<std::u16string>{u".", u"..", u"a.txt", u"b.ini"}));
    loop.SetPath(u"C:\\Missing\\*.*");
    EXPECT_EQ(loop.Run(), 0);  // a pattern that cannot be opened is no error
}

TEST(TFindFirstLoop, ACancelReturns1223OrRaisesWithWhereItCame) {
    FakeDirectoryLister lister;
    lister.AddFile(u"C:\\A", u"a.txt");
    TFindFirstLoop loop(lister);
    loop.SetPath(u"C:\\A\\*.*");
    for (int at : {1, 3}) {
        int calls = 0;
        loop.OnFind = [&](TFindFirstLoop&, const TFindData&, bool& cancel) { cancel = ++calls == at; };
        loop.ExceptionOnCancel = false;
        EXPECT_EQ(loop.Run(), kFindCancelled);
        calls = 0;
        loop.ExceptionOnCancel = true;
        try {
            loop.Run();
            ADD_FAILURE() << "no exception";
        } catch (const EFindFirstLoopCancel& cancelled) {
            EXPECT_STREQ(cancelled.what(), at == 1 ? "TFindFirstLoop Cancelled" : "Search Canceled");
        }
    }
}

TEST(TFindFirstLoop, IgnoresANewPathWhileRunningAndReportsListingErrors) {
    FakeDirectoryLister lister;
    lister.AddFile(u"C:\\A", u"a.txt");
    lister.AddFile(u"C:\\B", u"b.txt");
    TFindFirstLoop loop(lister);
    loop.SetPath(u"C:\\A\\*.*");
    loop.OnFind = [&](TFindFirstLoop& sender, const TFindData&, bool&) { sender.SetPath(u"C:\\B\\*.*"); };
    loop.Run();
    EXPECT_EQ(loop.Path(), u"C:\\A\\*.*");

    lister.failAfterFirst[u"C:\\A"] = 5;  // access denied in the middle of the listing
    EXPECT_EQ(loop.Run(), 5);
}

class TFindFileTest : public ::testing::Test {
protected:
    TFindFileTest() {
        // A holds B and C; B holds D.
        lister.AddFile(u"C:\\A", u"a1.txt", 10);
        lister.AddSubfolder(u"C:\\A", u"B");
        lister.AddSubfolder(u"C:\\A", u"C", kAttributeHidden);
        lister.AddFile(u"C:\\A\\B", u"b1.txt", 20);
        lister.AddSubfolder(u"C:\\A\\B", u"D", kAttributeSystem);
        lister.AddFile(u"C:\\A\\C", u"c1.txt", 30);
        lister.AddFile(u"C:\\A\\B\\D", u"d1.txt", 40);
        find.SetBaseDir(u"C:\\A\\");
        find.OnFind = [this](TFindFile&, const TFindData& entry, const std::u16string& dir, bool&) {
            reported.push_back(dir + u"\\" + entry.name);
        };
    }

    FakeDirectoryLister lister;
    testing::FakeLocalTime japan;
    TFindFile find{lister, japan, u"C:\\windows"};
    std::vector<std::u16string> reported;
};

TEST_F(TFindFileTest, WalksOneFolderOrTheTreeBreadthFirst) {
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported, (std::vector<std::u16string>{u"C:\\A\\a1.txt", u"C:\\A\\B", u"C:\\A\\C"}));

    reported.clear();
    find.SearchSubDir = true;
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported, (std::vector<std::u16string>{u"C:\\A\\a1.txt", u"C:\\A\\B", u"C:\\A\\C", u"C:\\A\\B\\b1.txt",
                                                     u"C:\\A\\B\\D", u"C:\\A\\C\\c1.txt", u"C:\\A\\B\\D\\d1.txt"}));
}

TEST_F(TFindFileTest, EqualMasksListEachFolderOnceInTheSameOrder) {
    find.SearchSubDir = true;
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(lister.opened, 4);  // A, B, C, D
    const std::vector<std::u16string> shared = reported;

    reported.clear();
    lister.opened = 0;
    find.DirMask = u"*";
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(lister.opened, 8);
    EXPECT_EQ(reported, shared);

    // A report mask that matches no folder still descends through DirMask.
    reported.clear();
    find.FileMask = u"*1.txt";
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported, (std::vector<std::u16string>{u"C:\\A\\a1.txt", u"C:\\A\\B\\b1.txt",
                                                     u"C:\\A\\C\\c1.txt", u"C:\\A\\B\\D\\d1.txt"}));
}

TEST_F(TFindFileTest, AnEnumerationErrorEndsTheTreeWalkAfterItsEntries) {
    find.SearchSubDir = true;
    lister.failAfterFirst[u"C:\\A\\B"] = 59;  // an unexpected network error
    EXPECT_EQ(find.Run(), 59);
    EXPECT_EQ(reported, (std::vector<std::u16string>{u"C:\\A\\a1.txt", u"C:\\A\\B", u"C:\\A\\C"}));
}

TEST_F(TFindFileTest, AttributeTestsPickPlainSubfolders) {
    find.SearchSubDir = true;
    find.Conditions = ConditionBit(fcDirectory) | ConditionBit(fcHidden) | ConditionBit(fcSystem);
    find.AttrDirectory = true;
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported, std::vector<std::u16string>{u"C:\\A\\B"});  // C is hidden, D is system

    reported.clear();
    find.Conditions = ConditionBit(fcArchive);  // archive wanted off: nothing here has it
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported.size(), 7u);
}

TEST_F(TFindFileTest, SizeAndTimeTests) {
    lister.AddFile(u"C:\\A", u"big.bin", 5ull << 30);
    find.Conditions = ConditionBit(fcSize);
    find.MinSize = 10;
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported, std::vector<std::u16string>{u"C:\\A\\a1.txt"});  // folders are 0, 5 GiB exceeds the bound

    reported.clear();
    find.Conditions = ConditionBit(fcCreationTime);
    find.TimeBounds[2] = 0;
    find.TimeBounds[3] = UINT64_MAX;
    EXPECT_EQ(find.Run(), 0);
    EXPECT_TRUE(reported.empty()) << "a zero creation time is rejected whatever the range";
    find.Conditions = ConditionBit(fcLastWriteTime);
    find.TimeBounds[0] = 0;
    find.TimeBounds[1] = 0;
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported.size(), 4u) << "a zero last-write time is simply compared";
}

TEST_F(TFindFileTest, CancelledStopsAtTheNextEntryAndEveryRunClearsIt) {
    find.SearchSubDir = true;
    int pumped = 0;
    find.ProcessMessages = [&] {
        if (++pumped == 4) find.Cancelled = true;  // as a Stop button would, after ".", ".." and a1.txt
    };
    EXPECT_EQ(find.Run(), kFindCancelled);
    EXPECT_EQ(reported.size(), 1u);

    pumped = 100;
    find.Cancelled = true;  // while idle: no effect
    reported.clear();
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported.size(), 7u);

    find.ExceptionOnCancel = true;
    find.OnFind = [](TFindFile&, const TFindData&, const std::u16string&, bool& cancel) { cancel = true; };
    EXPECT_THROW(find.Run(), EFindFileCancel);
}

TEST_F(TFindFileTest, NeverEntersALinkAndRefusesANestedRun) {
    lister.AddSubfolder(u"C:\\A", u"Loop", kAttributeReparsePoint);
    lister.AddFile(u"C:\\A\\Loop", u"inside.txt");
    find.SearchSubDir = true;
    int nestedResults = 0;
    find.OnFind = [&](TFindFile& sender, const TFindData& entry, const std::u16string& dir, bool&) {
        reported.push_back(dir + u"\\" + entry.name);
        nestedResults += sender.Run() == 0;  // refused at once, leaving the walk intact
    };
    EXPECT_EQ(find.Run(), 0);
    EXPECT_EQ(reported.size(), 8u);  // the link itself is reported
    EXPECT_EQ(std::count(reported.begin(), reported.end(), u"C:\\A\\Loop\\inside.txt"), 0);
    EXPECT_EQ(nestedResults, 8);
}

TEST_F(TFindFileTest, TimeBoundsReadAndWriteAsLocalDosDateTimes) {
    constexpr int32_t kApril18 = 0x50920000;  // 2020-04-18 00:00:00
    constexpr int32_t kApril19 = 0x50930000;
    find.SetTimeProperty(0, kApril18);
    find.SetTimeProperty(1, kApril19);
    EXPECT_EQ(find.TimeProperty(0), kApril18);
    EXPECT_EQ(find.TimeProperty(1), kApril19);
    // Stored in UTC: local midnight in Japan is 15:00 the day before.
    EXPECT_EQ(find.TimeBounds[0], *FileTimeFromDosDateTime(0x50917800));  // 2020-04-17 15:00:00

    find.SetTimeProperty(2, 0);
    find.SetTimeProperty(3, 0);
    EXPECT_EQ(static_cast<uint32_t>(find.TimeProperty(2)), kEarliestDosDateTime);
    EXPECT_EQ(static_cast<uint32_t>(find.TimeProperty(3)), kLatestDosDateTime);

    find.SetTimeProperty(4, 0x50BE0000);                        // 2020-05-30: fine
    find.SetTimeProperty(4, 0x50BF0000);                        // 2020-05-31: fine
    find.SetTimeProperty(4, static_cast<int32_t>(0x505E0000));  // 2020-02-30 does not exist: ignored
    EXPECT_EQ(find.TimeProperty(4), 0x50BF0000);
}

TEST(DosDateTime, ConvertsBothWaysWithinItsYears) {
    struct Case {
        uint32_t dos;
        int64_t secondsSince1601;
    };
    const Case cases[] = {
        {0x00210000, 11'960'006'400},  // 1980-01-01 00:00:00
        {0x50920000, 13'231'641'600},  // 2020-04-18 00:00:00
        {0x284FBF7D, 12'595'132'798},  // 2000-02-15 23:59:58
        {0xEF9FBF7D, 15'746'918'398},  // 2099-12-31 23:59:58
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileTimeFromDosDateTime(c.dos), static_cast<uint64_t>(c.secondsSince1601) * 10'000'000)
            << std::hex << c.dos;
        EXPECT_EQ(DosDateTimeFromFileTime(static_cast<uint64_t>(c.secondsSince1601) * 10'000'000), c.dos)
            << std::hex << c.dos;
    }
    EXPECT_EQ(FileTimeFromDosDateTime(0x00200000), std::nullopt);                     // month 0
    EXPECT_EQ(DosDateTimeFromFileTime(0), std::nullopt);                              // 1601
    EXPECT_EQ(DosDateTimeFromFileTime(11'960'006'401ull * 10'000'000), 0x00210000u);  // odd seconds round down
}

TEST(TFindFileDefaults, BoundsSpanTodayInLocalTime) {
    FakeDirectoryLister lister;
    // 2020-04-18 23:30 local: tomorrow is the 19th.
    const testing::FakeLocalTime japan(9, *FileTimeFromDosDateTime(0x5092BBC0));
    const TFindFile find(lister, japan, u"C:\\windows");
    for (int index : {0, 2, 4}) EXPECT_EQ(find.TimeProperty(index), 0x50920000);
    for (int index : {1, 3, 5}) EXPECT_EQ(find.TimeProperty(index), 0x50930000);
    EXPECT_EQ(find.MaxSize, 0x7FFFFFFF);
    EXPECT_EQ(find.FileMask, u"*.*");
}

TEST(TFindFileBaseDir, CutsOneTrailingBackslashAndIgnoresTooShortValues) {
    FakeDirectoryLister lister;
    testing::FakeLocalTime japan;
    TFindFile find(lister, japan, u"C:\\windows");
    EXPECT_EQ(find.BaseDir(), u"C:\\windows");
    find.SetBaseDir(u"C:\\");
    EXPECT_EQ(find.BaseDir(), u"C:");
    find.SetBaseDir(u"C");
    EXPECT_EQ(find.BaseDir(), u"C:");
    find.SetBaseDir(u"C:\\ドライブ\\");
    EXPECT_EQ(find.BaseDir(), u"C:\\ドライブ");
}

}  // namespace
}  // namespace kuvano
