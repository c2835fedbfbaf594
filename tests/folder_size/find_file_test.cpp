#include "folder_size/find_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <tuple>

#include "support/fake_directory_lister.h"
#include "support/fake_local_time.h"

namespace kuvano {
namespace {

using Names = std::vector<std::u16string>;

// C:\A holds a1.txt, B, C (hidden), big.bin (read-only) and L (a link, never
// entered); B holds b1.txt and D (system); C holds c1.txt, D d1.txt.
class TFindFileTest : public ::testing::Test {
protected:
    static constexpr uint64_t kWritten = 132'316'416'000'000'000;

    TFindFileTest() {
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
        find.SetBaseDir(u"C:\\A\\");
        find.OnFind = [this](TFindFile&, const TFindData& entry, const std::u16string& dir, bool&) {
            reported.push_back((dir.size() > 4 ? dir.substr(5) + u"\\" : std::u16string()) + entry.name);
        };
    }

    testing::FakeDirectoryLister lister;
    testing::FakeLocalTime japan;
    TFindFile find{lister, japan, u"C:\\windows"};
    Names reported;
};

TEST_F(TFindFileTest, ReportsTheEntriesThatPassEveryChosenTestBreadthFirst) {
    using F = TFindFile&;
    const std::tuple<const char*, void (*)(F), Names> cases[] = {
        {"one folder", [](F) {}, {u"a1.txt", u"B", u"C", u"big.bin", u"L"}},
        {"the tree",
         [](F f) { f.SearchSubDir = true; },
         {u"a1.txt", u"B", u"C", u"big.bin", u"L", u"B\\b1.txt", u"B\\D", u"C\\c1.txt", u"B\\D\\d1.txt"}},
        {"plain subfolders, as the survey asks",
         [](F f) {
             f.Conditions = ConditionBit(fcDirectory) | ConditionBit(fcHidden) | ConditionBit(fcSystem);
             f.SearchSubDir = f.AttrDirectory = true;
         },
         {u"B", u"L"}},
        {"read-only wanted", [](F f) { f.Conditions = ConditionBit(fcReadOnly), f.AttrReadOnly = true; }, {u"big.bin"}},
        {"archive not wanted", [](F f) { f.Conditions = ConditionBit(fcArchive); }, {u"B", u"C", u"big.bin", u"L"}},
        {"sizes from 10: 5 GiB is beyond 2^31",
         [](F f) { f.Conditions = ConditionBit(fcSize), f.MinSize = 10; },
         {u"a1.txt"}},
        {"a zero creation time fails whatever the bounds",
         [](F f) { f.Conditions = ConditionBit(fcCreationTime), f.TimeBounds[2] = 0, f.TimeBounds[3] = UINT64_MAX; },
         {u"a1.txt"}},
        {"time bounds are inclusive",
         [](F f) { f.Conditions = ConditionBit(fcLastWriteTime), f.TimeBounds[0] = f.TimeBounds[1] = kWritten; },
         {u"a1.txt"}},
        {"a report mask still descends through the folder mask",
         [](F f) { f.SearchSubDir = true, f.FileMask = u"*1.txt"; },
         {u"a1.txt", u"B\\b1.txt", u"C\\c1.txt", u"B\\D\\d1.txt"}},
    };
    for (const auto& [what, set, expected] : cases) {
        TFindFile search(lister, japan, u"C:\\windows");
        search.SetBaseDir(u"C:\\A");
        search.OnFind = find.OnFind;
        set(search);
        reported.clear();
        EXPECT_EQ(search.Run(), 0) << what;
        EXPECT_EQ(reported, expected) << what;
    }
}

TEST_F(TFindFileTest, AListingErrorEndsTheWalkWithIt) {
    find.SearchSubDir = true;
    lister.failAfter[u"C:\\A\\B"] = {1, 59};  // an unexpected network error
    EXPECT_EQ(find.Run(), 59);
    EXPECT_EQ(reported, (Names{u"a1.txt", u"B", u"C", u"big.bin", u"L"}));
}

TEST_F(TFindFileTest, TheCancelFlagEndsTheWalkAtTheNextEntry) {
    std::atomic<bool> cancel = false;
    find.SearchSubDir = true;
    find.CancelWhen(cancel);
    find.OnFind = [&](TFindFile& self, const TFindData& entry, const std::u16string&, bool&) {
        reported.push_back(entry.name);
        cancel = self.Run() == 0;  // a run inside a run is refused at once: both would share one queue
    };
    EXPECT_EQ(find.Run(), kFindCancelled);
    EXPECT_EQ(reported, Names{u"a1.txt"});
    EXPECT_EQ(find.Run(), kFindCancelled) << "the flag stays set until its owner clears it";
    EXPECT_EQ(reported, Names{u"a1.txt"});
    find.SetBaseDir(u"C:\\");
    find.SetBaseDir(u"C");  // too short: ignored
    EXPECT_EQ(find.BaseDir(), u"C:") << "one trailing backslash is cut";
}

// The time bounds' form: date (year - 1980, month, day) over time (hours, minutes, seconds / 2).
TEST(DosDateTime, ConvertsValidDatesBothWaysAndRefusesOthers) {
    const std::pair<uint32_t, uint64_t> valid[] = {
        {0x00210000, 11'960'006'400},  // 1980-01-01 00:00:00, in seconds since 1601
        {0x284FBF7D, 12'595'132'798},  // 2000-02-15 23:59:58
        {0x505D63C2, 13'227'453'004},  // 2020-02-29 12:30:04
        {0xEF9FBF7D, 15'746'918'398},  // 2099-12-31 23:59:58
    };
    for (const auto& [dos, seconds] : valid) {
        EXPECT_EQ(FileTimeFromDosDateTime(dos), seconds * 10'000'000) << std::hex << dos;
        EXPECT_EQ(DosDateTimeFromFileTime(seconds * 10'000'000 + 19'999'999), dos) << "odd seconds round down";
    }
    // 2019-02-29, 2100-02-29, 2020-02-30, month 13, month 0, 24:00
    for (const uint32_t dos : {0x4E5D0000u, 0xF05D0000u, 0x505E0000u, 0x51A10000u, 0x50010000u, 0x0021C000u}) {
        EXPECT_EQ(FileTimeFromDosDateTime(dos), std::nullopt) << std::hex << dos;
    }
    EXPECT_EQ(DosDateTimeFromFileTime(0), std::nullopt);  // 1601
}

}  // namespace
}  // namespace kuvano
