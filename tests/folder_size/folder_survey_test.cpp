#include "folder_size/folder_survey.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <semaphore>
#include <tuple>

#include "folder_size/folder_size_panel.h"
#include "folder_size/survey_file.h"
#include "folder_size/survey_pool_size.h"
#include "platform/failure_report.h"
#include "platform/ordinal_collation.h"
#include "support/entry_hook_lister.h"
#include "support/fake_directory_lister.h"
#include "support/fake_file_store.h"
#include "support/fake_survey_system.h"

namespace kuvano {
namespace {

using Texts = std::vector<std::u16string>;
using namespace std::chrono_literals;
constexpr uint64_t kMiB = 1'048'576;
// Loose, so that the sanitizer and Wine runs stay steady: a wait on a
// blocked read would take the ten seconds a blocked walk waits.
constexpr auto kAtOnce = 2s;
const std::u16string kSurveysFile = u"C:\\Kuvano\\Kuvano.surveys";

// Each row as "megabytes folder entries level", the level as a letter from a.
Texts RowTexts(const FolderSurvey& survey) {
    Texts texts;
    for (const SurveyRow& row : survey.Rows()) {
        texts.push_back(MegabyteText(row, u",") + u" " + row.folder + u" " + EntriesText(row, u",") + u" " +
                        static_cast<char16_t>(u'a' + row.level));
    }
    return texts;
}

template <typename Action>
std::chrono::steady_clock::duration Timed(Action action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::steady_clock::now() - start;
}

// Stands still where the test puts it.
struct FixedClock final : WallClock {
    int64_t Now() const override { return now; }
    LocalTime Local(int64_t) const override { return {}; }
    int64_t now = 0;
};

// A volume query that can be held, as on a share whose server is gone.
struct GatedVolumes final : VolumeKinds {
    VolumeKind KindOf(const std::u16string&) const override {
        if (held) asked.release(), (void)gate.try_acquire_for(10s);
        return VolumeKind::SolidState;
    }
    std::atomic<bool> held = false;
    mutable std::binary_semaphore asked{0};
    mutable std::counting_semaphore<> gate{0};
};

class FolderSurveyTest : public ::testing::Test {
protected:
    FolderSurveyTest() {
        // A: three files of 1 MiB and a subfolder with 512 KiB; B: empty.
        lister->AddSubfolder(u"C:\\Base", u"A");
        for (const char16_t* name : {u"1.bin", u"2.bin", u"3.bin"}) lister->AddFile(u"C:\\Base\\A", name, kMiB);
        lister->AddSubfolder(u"C:\\Base\\A", u"Sub");
        lister->AddFile(u"C:\\Base\\A\\Sub", u"half.bin", kMiB / 2);
        lister->AddSubfolder(u"C:\\Base", u"B");
        lister->AddFile(u"C:\\Base", u"loose.bin", 100 * kMiB);  // lies in the base folder: not counted
        for (const auto& [name, skipped] : {std::pair{u"Hidden", kAttributeHidden},
                                            {u"System", kAttributeSystem},
                                            {u"Windows", 0u},
                                            {u"Link", kAttributeReparsePoint}}) {
            lister->AddSubfolder(u"C:\\Base", name, skipped);
            lister->AddFile(std::u16string(u"C:\\Base\\") + name, u"h.bin", kMiB);
        }
        survey.RememberIn(memory);
    }
    // Blocked walks are let go, and every thread has ended before the test's objects go.
    ~FolderSurveyTest() override {
        LetGo();
        EXPECT_TRUE(threads->WaitForAlive(0)) << "a survey thread never ended";
    }

    // Enough for every thread a test holds.
    void LetGo() {
        walks->release(100);
        volumes->gate.release(100);
    }

    // A survey of D:, one subfolder per size, each holding a file of that size and `more` empty ones.
    std::unique_ptr<FolderSurvey> Flat(const std::vector<std::pair<uint64_t, int>>& sizes) {
        auto flat = std::make_shared<testing::FakeDirectoryLister>();
        for (size_t i = 0; i < sizes.size(); ++i) {
            const std::u16string name(1, static_cast<char16_t>(u'a' + i));
            flat->AddSubfolder(u"D:", name);
            flat->AddFile(u"D:\\" + name, u"f", sizes[i].first);
            for (int more = 0; more < sizes[i].second; ++more) flat->AddFile(u"D:\\" + name, u"g");
        }
        auto result = std::make_unique<FolderSurvey>(testing::FakeSurveySystem(flat, 4, threads), collation, nullptr);
        result->Run(u"D:");
        return result;
    }

    SurveySystem TestSystem() {
        SurveySystem made = testing::FakeSurveySystem(hooked, 0, threads);
        made.windowsDirectory = std::make_shared<testing::WindowsDirectoryAt>(u"C:\\Base\\Windows");
        made.folderExists = [](const std::u16string& f) {
            return f.starts_with(u"C:\\Base") || f.starts_with(u"C:\\F");
        };
        made.poolSize = [this](VolumeKind) { return poolSize.load(); };
        made.blockedReads = interrupts;
        made.volumes = volumes;
        return made;
    }

    // Holds each walk of those patterns at that entry of its listing until let go.
    void BlockAt(std::vector<std::u16string> patterns, int atEntry = 1) {
        walks = std::make_shared<std::counting_semaphore<>>(0);
        hooked->OnEntry = [this, patterns, atEntry, gate = walks](const std::u16string& pattern, int entry) {
            if (entry != atEntry || std::ranges::find(patterns, pattern) == patterns.end()) return;
            blocked.release();
            if (!gate->try_acquire_for(10s)) ADD_FAILURE() << "a blocked walk was never let go";
        };
    }

    std::shared_ptr<std::counting_semaphore<>> walks = std::make_shared<std::counting_semaphore<>>(0);
    std::counting_semaphore<> blocked{0};  // a walk is held
    std::atomic<unsigned> poolSize = 4;
    std::shared_ptr<testing::FakeDirectoryLister> lister = std::make_shared<testing::FakeDirectoryLister>();
    std::shared_ptr<testing::EntryHookLister> hooked = std::make_shared<testing::EntryHookLister>(lister);
    std::shared_ptr<testing::CountedThreads> threads = std::make_shared<testing::CountedThreads>();
    std::shared_ptr<testing::CountedInterrupts> interrupts = std::make_shared<testing::CountedInterrupts>();
    std::shared_ptr<GatedVolumes> volumes = std::make_shared<GatedVolumes>();
    SurveySystem system = TestSystem();
    OrdinalCollation collation;
    testing::FakeFileStore store;
    FixedClock clock;
    SurveyMemory memory{store, kSurveysFile, collation, clock};
    std::counting_semaphore<> ready{0};  // the workers' notices
    std::vector<uint64_t> notices;       // their generations, on the workers' threads
    std::mutex noticesLock;
    std::atomic<bool> failFirstNotice = false;
    FolderSurvey survey{system, collation, [this](uint64_t generation) {
                            const std::scoped_lock lock(noticesLock);
                            notices.push_back(generation);
                            ready.release();
                            return notices.size() > 1 || !failFirstNotice;
                        }};
};

TEST_F(FolderSurveyTest, MeasuresEachPlainSubfolderLargestFirstAndGivesALinkAnEmptyRow) {
    survey.Run(u"C:\\Base\\");
    EXPECT_EQ(RowTexts(survey), (Texts{u"000,003 C:\\Base\\A 000,005 n", u"000,000 C:\\Base\\B 000,000 a",
                                       u"000,000 C:\\Base\\Link 000,000 a"}));
    EXPECT_EQ(survey.TotalBytes(), 3'670'016);
    const auto held = Flat({{UINT64_MAX - 1, 0}, {5, 0}});
    EXPECT_EQ(held->Rows()[0].bytes, INT64_MAX);
    EXPECT_EQ(held->TotalBytes(), INT64_MAX) << "sums hold at the largest count";
}

TEST_F(FolderSurveyTest, LevelsAreSharesInFourteenStepsHalvesToEven) {
    // 3.5 to 4 and 10.5 to 10; 0.5 to 0 and 13.5 held at 13; 0.7 up.
    const std::tuple<uint64_t, uint64_t, std::u16string> cases[] = {
        {0, 0, u"aa"}, {1, 1, u"hh"}, {1, 3, u"ek"}, {1, 27, u"an"}, {5, 95, u"bn"}};
    for (const auto& [first, second, levels] : cases) {
        const auto shares = Flat({{first, 0}, {second, 0}});
        shares->SortBy(kColumnFolder);
        EXPECT_EQ(RowTexts(*shares)[0].back() + std::u16string(1, RowTexts(*shares)[1].back()), levels) << second;
    }
}

// Around a million megabytes the texts would order 1,000,000 before 999,999.
TEST_F(FolderSurveyTest, ColumnsSortStablyByTheirNumbersInAlternatingDirections) {
    const auto big = Flat({{999'999 * kMiB, 2}, {1'000'000 * kMiB, 0}, {7 * kMiB, 1}, {7 * kMiB + 1, 1}});
    std::u16string orders;
    for (const int column :
         {-1, kColumnMegabytes, kColumnMegabytes, kColumnEntries, kColumnEntries, kColumnFolder, kColumnFolder}) {
        if (column >= 0) big->SortBy(column);
        orders += u' ';
        for (const SurveyRow& row : big->Rows()) orders += row.folder.back();
    }
    EXPECT_EQ(orders, u" bacd cdab bacd bcda acdb abcd dcba");
}

TEST(SurveyPoolSize, IsOneWorkerPerCoreUpToEightOnAnSsdEightOverANetworkAndOneElsewhere) {
    struct Case {
        unsigned cores;
        VolumeKind volume;
        unsigned workers;
    };
    const Case cases[] = {{0, VolumeKind::SolidState, 1}, {1, VolumeKind::SolidState, 1},
                          {2, VolumeKind::SolidState, 2}, {9, VolumeKind::SolidState, 8},
                          {1, VolumeKind::Network, 8},    {64, VolumeKind::Network, 8},
                          {8, VolumeKind::Spinning, 1},   {8, VolumeKind::Unknown, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(SurveyPoolSize(c.cores, c.volume), c.workers) << c.cores << " " << static_cast<int>(c.volume);
    }
}

class RecordingView final : public FolderSizeView {
public:
    void ShowControls(const PanelControls& controls) override {
        surveying.push_back(controls == PanelControls{false, false, false, true});  // only stop takes input
    }
    void ShowHistory(const FolderHistory& history) override { shownHistory = history.Items(); }
    void ShowRows(const std::vector<SurveyRow>& rows) override {
        shownRows.emplace_back();
        for (const SurveyRow& row : rows) shownRows.back() += row.folder.substr(8) + u" ";
    }
    void ShowHighlight(std::optional<size_t> row) override { highlight = row; }
    void ShowPreviousEnd(std::optional<int64_t> endedAt) override { previousEnd = endedAt; }

    std::optional<int64_t> previousEnd;
    std::vector<bool> surveying;  // whether each showing of the controls is that of a survey
    Texts shownHistory;
    Texts shownRows;  // each showing's folders below C:\Base
    std::optional<size_t> highlight;
};

TEST_F(FolderSurveyTest, ANoticeThatCannotBeGivenIsGivenAgainWithTheNextRow) {
    failFirstNotice = true;
    survey.Start(u"C:\\Base", u"C:\\Base");
    ASSERT_TRUE(threads->WaitForAlive(0));
    const std::scoped_lock lock(noticesLock);
    EXPECT_EQ(notices, std::vector<uint64_t>(2, survey.Generation()))
        << "the first failed; the next one, with the survey's generation, waits for the window";
}

class FolderSizePanelTest : public FolderSurveyTest {
protected:
    FolderSizePanel panel{survey, collation, view, u"C:\\Kuvano\\"};
    RecordingView view;

    // As the window does on each notice from the workers, until the survey ends.
    void Finish() {
        while (survey.Surveying()) {
            ASSERT_TRUE(ready.try_acquire_for(10s)) << "the workers never said that the survey ended";
            panel.ResultsReady();
        }
    }
};

TEST_F(FolderSizePanelTest, HistoryKeepsTwentyNewestFirstAndFindsAnyLetterCase) {
    for (char16_t name = u'a'; name <= u'u'; ++name) panel.FolderChosen(u"C:\\F" + std::u16string(1, name));
    const Texts& items = panel.History().Items();
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items.front(), u"C:\\Fu");
    EXPECT_EQ(items.back(), u"C:\\Fb") << "the home folder and the first one fell off";
    panel.Survey(u"C:\\Gone");
    Finish();
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Kuvano\\") << "a folder that is gone gives way to home";
    panel.FolderChosen(u"C:\\FK");
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Fk") << "listed already: selected where it stands";
    EXPECT_EQ(view.shownHistory, items);
    panel.FolderChosen(u"\\\\server\\share");
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Fk") << "a network path is refused";
}

// While one worker waits in B, the others measure A and Link.
TEST_F(FolderSizePanelTest, RowsShowInListingOrderAndTheHighlightFollowsItsFolder) {
    lister->AddFile(u"C:\\Base\\B", u"big.bin", 10 * kMiB);
    BlockAt({u"C:\\Base\\B\\*.*"});
    panel.Survey(u"C:\\Base");
    while (view.shownRows.back() != u"A ") {
        ASSERT_TRUE(ready.try_acquire_for(10s)) << "not Link before B";
        panel.ResultsReady();
    }
    panel.RowSelected(0, true);
    LetGo();
    Finish();
    EXPECT_EQ(view.shownRows.back(), u"B A Link ") << "largest first at the end";
    panel.RowSelected(3, true);  // past the last row: nothing to follow
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Base\\A");
    EXPECT_EQ(view.highlight, 1u) << "the highlight followed A";
    panel.SortBy(kColumnFolder);
    EXPECT_EQ(view.highlight, 0u) << "A, B, Link";
    panel.SortBy(kColumnFolder);
    EXPECT_EQ(view.highlight, 2u) << "Link, B, A";
    panel.RowSelected(2, false);
    panel.SortBy(kColumnFolder);
    EXPECT_EQ(view.highlight, std::nullopt) << "unselected, it is no longer followed";
}

// The walk of B stays blocked in a read: Stop answers without it, with what
// it counted, compared with the last complete survey, and nothing of its survey comes after.
TEST_F(FolderSizePanelTest, AStopAnswersAtOnceWithTheRowsSoFarWhileAWalkStaysBlocked) {
    struct Case {
        unsigned poolSize;
        int workers;
        Texts rows;
    };
    const Case cases[] = {
        {1, 1, {u"000,024 C:\\Base\\B 000,024 m", u"000,003 C:\\Base\\A 000,005 c"}},  // Link never started
        {4,
         3,  // one per subfolder
         {u"000,024 C:\\Base\\B 000,024 m", u"000,003 C:\\Base\\A 000,005 c", u"000,000 C:\\Base\\Link 000,000 a"}},
    };
    for (int i = 0; i < 50; ++i) lister->AddFile(u"C:\\Base\\B", u"f", kMiB);
    panel.Survey(u"C:\\Base");  // complete: what each stopped survey is compared with
    Finish();
    for (const Case& c : cases) {
        poolSize = c.poolSize;
        BlockAt({u"C:\\Base\\B\\*.*"}, 27);  // before its 25th file
        const int interruptsBefore = interrupts->interrupts;
        const int threadsBefore = interrupts->threads;
        panel.Survey(u"C:\\Base");
        ASSERT_TRUE(blocked.try_acquire_for(10s));
        ASSERT_TRUE(threads->WaitForAlive(1)) << "every walk but B's has ended";
        EXPECT_LT(Timed([&] { panel.Stop(); }), kAtOnce) << c.poolSize;
        EXPECT_TRUE(threads->WaitForAlive(1, 0ms)) << "B's walk is still blocked";
        EXPECT_EQ(view.surveying.back(), false);
        EXPECT_EQ(RowTexts(survey), c.rows) << c.poolSize << ": Link, never reached, is not gone";
        EXPECT_EQ(ChangeText(survey.Rows()[0], u","), u"-26") << "B, so far";
        EXPECT_EQ(interrupts->threads - threadsBefore, c.workers);
        EXPECT_EQ(interrupts->interrupts - interruptsBefore, c.workers)
            << "every worker's read was ended where the system allows";
        const size_t noticesAtStop = notices.size();
        LetGo();
        ASSERT_TRUE(threads->WaitForAlive(0));
        EXPECT_EQ(notices.size(), noticesAtStop) << "the given-up survey told the window nothing more";
        EXPECT_FALSE(survey.TakeResults());
    }
    EXPECT_EQ(store.replaceCount, 1) << "a stopped survey never becomes the measure of the next";
    panel.Survey(u"C:\\Base");
    panel.Survey(u"C:\\Base\\A");  // a double-click mid-survey: the running one is ended first
    Finish();
    EXPECT_EQ(RowTexts(survey), (Texts{u"000,000 C:\\Base\\A\\Sub 000,001 n"}));
    EXPECT_EQ(panel.History().Items(), (Texts{u"C:\\Base\\A", u"C:\\Base", u"C:\\Kuvano\\"}));
}

// The volume's query and the folder's check may block on a dead share.
TEST_F(FolderSizePanelTest, ASurveyStartsAtOnceWhileItsVolumeIsAskedAbout) {
    volumes->held = true;
    EXPECT_LT(Timed([&] { panel.Survey(u"C:\\Base"); }), kAtOnce);
    ASSERT_TRUE(volumes->asked.try_acquire_for(10s));
    EXPECT_EQ(view.surveying, std::vector<bool>{true}) << "shown as surveying at once";
    LetGo();
    Finish();
    EXPECT_EQ(view.shownRows.back(), u"A B Link ");
}

// Each failure is reported, and the survey still ends with every row it can
// give: a refused lead ends it at once, a refused helper leaves fewer
// workers, a walk out of memory gives its row of what it counted.
TEST_F(FolderSizePanelTest, ASurveyEndsWithEveryRowItCanGiveWhateverFailsInItsThreads) {
    struct Case {
        int refusedStart;  // from now, 0 for none
        std::u16string failingListing;
        size_t rows;
        int64_t entriesOfA;
        bool kept;  // as the measure of the next survey: only when nothing failed
    };
    const Case cases[] = {{1, u"", 0, 0, false}, {2, u"", 3, 5, true}, {0, u"C:\\Base\\A\\Sub\\*.*", 3, 4, false}};
    for (const Case& c : cases) {
        threads->RefuseStart(c.refusedStart);
        hooked->OnEntry = [&c](const std::u16string& pattern, int) {
            if (pattern == c.failingListing) throw std::bad_alloc();
        };
        const long long failures = FailureCount();
        const int writes = store.replaceCount;
        panel.Survey(u"C:\\Base");
        Finish();
        EXPECT_EQ(store.replaceCount - writes, c.kept) << c.refusedStart;
        EXPECT_EQ(view.surveying.back(), false) << c.refusedStart;
        ASSERT_EQ(survey.Rows().size(), c.rows) << c.refusedStart;
        EXPECT_EQ(c.rows > 0 ? survey.Rows()[0].entries : 0, c.entriesOfA) << "A, the largest";
        EXPECT_EQ(FailureCount(), failures + 1) << c.refusedStart;
    }
}

// Each row as "megabytes name change".
Texts ChangeTexts(const FolderSurvey& survey) {
    Texts texts;
    for (const SurveyRow& row : survey.Rows()) {
        texts.push_back(MegabyteText(row, u",") + u" " + row.folder.substr(row.folder.rfind(u'\\') + 1) + u" " +
                        ChangeText(row, u","));
    }
    return texts;
}

// What grew, shrank, came and went; a subfolder renamed in letter case only is itself.
TEST_F(FolderSizePanelTest, ASurveyIsComparedWithTheLastCompleteOneOfItsFolder) {
    const auto fill = [&](const std::u16string& name, uint64_t mib) {
        lister->folders[u"C:\\F\\" + name] = {{.size = mib * kMiB, .name = u"f"}};
    };
    for (const auto& [name, mib] : {std::pair{u"Grows", 1}, {u"Shrinks", 10}, {u"Same", 0}, {u"Gone", 3}, {u"Went", 0}}) {
        lister->AddSubfolder(u"C:\\F", name);
        fill(name, mib);
    }
    clock.now = 1000;
    panel.Survey(u"C:\\F");
    Finish();
    EXPECT_EQ(std::tuple(ChangeTexts(survey).front(), view.previousEnd), std::tuple(u"000,010 Shrinks ", std::nullopt));

    std::vector<DirectoryEntry>& base = lister->folders[u"C:\\F"];
    std::erase_if(base, [](const DirectoryEntry& entry) { return entry.name == u"Gone" || entry.name == u"Went"; });
    base[2].name = u"SAME";
    lister->AddSubfolder(u"C:\\F", u"New");
    fill(u"New", 2), fill(u"Grows", 6), fill(u"Shrinks", 4), fill(u"SAME", 0);
    clock.now = 2000;
    panel.Survey(u"C:\\F");
    Finish();
    EXPECT_EQ(view.previousEnd, 1000);
    EXPECT_EQ(ChangeTexts(survey), (Texts{u"000,006 Grows +5", u"000,004 Shrinks -6", u"000,002 New 新規",
                                          u"000,000 SAME 0", u"000,000 Gone -3 (削除)", u"000,000 Went 0 (削除)"}))
        << "the folders gone in the order they were listed";
    panel.RowSelected(4, true);
    panel.RowDoubleClicked(4);
    EXPECT_EQ(std::tuple(panel.History().SelectedFolder(), survey.Surveying()), std::tuple(u"C:\\F", false))
        << "a folder that is gone is not asked for";

    Texts orders;
    for (int click = 0; click < 2; ++click) {
        panel.SortBy(kColumnChange);
        orders.emplace_back();
        for (const SurveyRow& row : survey.Rows()) orders.back() += row.folder.substr(5) + u" ";
    }
    EXPECT_EQ(orders, (Texts{u"Shrinks Gone SAME Went Grows New ", u"Grows SAME Went Gone Shrinks New "}))
        << "new rows after every number either way";
    SurveyMemory reread{store, kSurveysFile, collation, clock};
    const SurveyRecord* kept = reread.Previous(u"c:\\f");
    EXPECT_EQ(std::tuple(kept ? kept->endedAt : 0, kept ? kept->rows.size() : 0), std::tuple(2000, 4u))
        << "read back from the file in any letter case, without the rows of the folders gone";
    EXPECT_EQ(ChangeColumnTitle(std::nullopt), u"前回比");
    EXPECT_EQ(ChangeColumnTitle(LocalTime{2026, 12, 1, 14, 5}), u"前回: 2026/12/01 14:05");
}

// Each Stop answers while two workers stay blocked; the surveys started
// meanwhile wait on their own lead threads, which a Stop ends.
TEST_F(FolderSizePanelTest, StopAndStartOnABlockedShareNeverPileUpThreads) {
    poolSize = 2;
    BlockAt({u"C:\\Base\\A\\*.*", u"C:\\Base\\B\\*.*"});
    panel.Survey(u"C:\\Base");
    ASSERT_TRUE(blocked.try_acquire_for(10s) && blocked.try_acquire_for(10s));
    for (int i = 0; i < 6; ++i) {
        EXPECT_LT(Timed([&] { panel.Stop(); }), kAtOnce) << i;
        panel.Survey(u"C:\\Base");
    }
    EXPECT_TRUE(threads->WaitForAlive(3)) << "the two blocked workers and the last survey's lead";
    std::this_thread::sleep_for(50ms);
    EXPECT_TRUE(threads->WaitForAlive(3, 0ms));
    LetGo();
    Finish();
    EXPECT_EQ(survey.Rows().size(), 3u) << "the last survey ran once the blocked workers had gone";
}

// The base folders in the file, oldest first.
Texts Kept(const testing::FakeFileStore& store) {
    Texts folders;
    const auto records = DecodeSurveys(store.files.at(kSurveysFile));
    for (const SurveyRecord& record : records.value()) folders.push_back(record.baseFolder);
    return folders;
}

// Texts of every script, an unpaired surrogate, a path past 260 characters, numbers at their edges.
std::vector<SurveyRecord> SmallRecords() {
    return {{.baseFolder = u"C:\\写真", .endedAt = -1, .rows = {{.folder = u"C:\\写真\\😀 Ωmega", .bytes = INT64_MAX},
                                                                {.folder = std::u16string(300, u'x') + char16_t{0xD800},
                                                                 .entries = 1}}},
            {.baseFolder = u"D:", .endedAt = INT64_MAX, .rows = {}}};
}

// Random bytes are the fuzz target's.
TEST(SurveyFile, ReadsBackExactlyAndTrustsNoTruncatedOrChangedByte) {
    const std::string file = EncodeSurveys(SmallRecords());
    EXPECT_EQ(DecodeSurveys(file), SmallRecords());
    for (size_t i = 0; i < file.size(); ++i) {
        std::string changed = file;
        changed[i] = static_cast<char>(changed[i] ^ 0x10);
        EXPECT_EQ(DecodeSurveys(changed), std::nullopt) << i;
        EXPECT_EQ(DecodeSurveys(file.substr(0, i)), std::nullopt) << i;
    }
}

TEST_F(FolderSurveyTest, TheSurveysKeptAreTheNewestOfThirtyTwoFoldersWithinTwoHundredThousandRows) {
    struct Case {
        std::vector<std::pair<std::u16string, size_t>> surveys;  // base folder, rows
        Texts kept;
    };
    Case many;
    for (char16_t name = u'A'; name <= u'A' + 32; ++name) many.surveys.emplace_back(std::u16string(1, name), 1);
    for (const auto& [folder, rows] : many.surveys) many.kept.push_back(folder);
    many.kept.erase(many.kept.begin());
    const Case cases[] = {
        many,
        {{{u"A", 200'000}}, {u"A"}},  // exactly the bound
        {{{u"A", 150'000}, {u"B", 50'000}, {u"C", 1}}, {u"B", u"C"}},
        {{{u"A", 1}, {u"B", 200'001}}, {u"A"}},  // beyond the bound alone: the one before stays
        {{{u"A", 1}, {u"B", 1}, {u"a", 2}}, {u"B", u"a"}},
    };
    for (const Case& c : cases) {
        store.files.clear();
        SurveyMemory fresh{store, kSurveysFile, collation, clock};
        for (const auto& [folder, rows] : c.surveys) fresh.Remember(folder, std::vector<SurveyRow>(rows));
        EXPECT_EQ(Kept(store), c.kept) << c.surveys.size();
    }
}

// Only the comparison is ever lost, and never silently.
TEST_F(FolderSurveyTest, ASurveysFileThatCannotBeTrustedIsReportedReplacedAndNeverWrittenOverUnread) {
    const long long failures = FailureCount();
    store.failReads = true;
    EXPECT_EQ(memory.Previous(u"C:\\写真"), nullptr);
    memory.Remember(u"E:", {});
    EXPECT_EQ(store.replaceCount, 0) << "a file that could not be read is kept as it is";
    store.failReads = false;
    store.files[kSurveysFile] = EncodeSurveys(SmallRecords()).substr(1);
    EXPECT_EQ(memory.Previous(u"C:\\写真"), nullptr);
    memory.Remember(u"E:", {});
    EXPECT_EQ(Kept(store), Texts{u"E:"}) << "the damaged file was replaced";
    store.failReplaces = true;
    memory.Remember(u"F:", {});
    EXPECT_NE(memory.Previous(u"F:"), nullptr) << "kept while the program runs";
    EXPECT_EQ(FailureCount(), failures + 5);
}

}  // namespace
}  // namespace kuvano
