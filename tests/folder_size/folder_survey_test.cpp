#include "folder_size/folder_survey.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <semaphore>
#include <tuple>

#include "folder_size/folder_size_panel.h"
#include "folder_size/survey_pool_size.h"
#include "platform/ordinal_collation.h"
#include "support/entry_hook_lister.h"
#include "support/fake_directory_lister.h"
#include "support/fixed_seek_penalty.h"

namespace kuvano {
namespace {

using Texts = std::vector<std::u16string>;
using namespace std::chrono_literals;
constexpr uint64_t kMiB = 1'048'576;

// Each row as "megabytes folder entries level", the level as a letter from a.
Texts RowTexts(const FolderSurvey& survey) {
    Texts texts;
    for (const SurveyRow& row : survey.Rows()) {
        texts.push_back(MegabyteText(row, u",") + u" " + row.folder + u" " + EntriesText(row, u",") + u" " +
                        static_cast<char16_t>(u'a' + row.level));
    }
    return texts;
}

class FolderSurveyTest : public ::testing::Test {
protected:
    FolderSurveyTest() {
        // A: three files of 1 MiB and a subfolder with 512 KiB; B: empty.
        lister.AddSubfolder(u"C:\\Base", u"A");
        for (const char16_t* name : {u"1.bin", u"2.bin", u"3.bin"}) lister.AddFile(u"C:\\Base\\A", name, kMiB);
        lister.AddSubfolder(u"C:\\Base\\A", u"Sub");
        lister.AddFile(u"C:\\Base\\A\\Sub", u"half.bin", kMiB / 2);
        lister.AddSubfolder(u"C:\\Base", u"B");
        lister.AddFile(u"C:\\Base", u"loose.bin", 100 * kMiB);  // lies in the base folder: not counted
        for (const auto& [name, skipped] : {std::pair{u"Hidden", kAttributeHidden},
                                            {u"System", kAttributeSystem},
                                            {u"wINDOWS", 0u},
                                            {u"Link", kAttributeReparsePoint}}) {
            lister.AddSubfolder(u"C:\\Base", name, skipped);
            lister.AddFile(std::u16string(u"C:\\Base\\") + name, u"h.bin", kMiB);
        }
    }

    // A survey of D:, one subfolder per size, each holding a file of that size and `more` empty ones.
    std::unique_ptr<FolderSurvey> Flat(const std::vector<std::pair<uint64_t, int>>& sizes) {
        for (size_t i = 0; i < sizes.size(); ++i) {
            const std::u16string name(1, static_cast<char16_t>(u'a' + i));
            flat.AddSubfolder(u"D:", name);
            flat.AddFile(u"D:\\" + name, u"f", sizes[i].first);
            for (int more = 0; more < sizes[i].second; ++more) flat.AddFile(u"D:\\" + name, u"g");
        }
        auto result = std::make_unique<FolderSurvey>(flat, u"C:\\Windows", collation, volumes, nullptr);
        result->Run(u"D:");
        return result;
    }

    testing::FakeDirectoryLister lister;
    testing::EntryHookLister hooked{lister};
    testing::FakeDirectoryLister flat;
    OrdinalCollation collation;
    testing::FixedSeekPenalty volumes{false};  // a worker per core
    std::counting_semaphore<> ready{0};        // the workers' notices
    FolderSurvey survey{hooked, u"C:\\Base\\Windows", collation, volumes, [this] { ready.release(); }};
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
        flat = {};
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

TEST(SurveyPoolSize, IsOneWorkerPerCoreUpToEightAndOneOnADiskThatSeeksOrCannotSay) {
    const std::tuple<unsigned, std::optional<bool>, unsigned> cases[] = {
        {0, false, 1},  {1, false, 1}, {2, false, 2},        {8, false, 8},       {9, false, 8},
        {64, false, 8}, {8, true, 1},  {8, std::nullopt, 1}, {0, std::nullopt, 1}};
    for (const auto& [cores, seeks, size] : cases) EXPECT_EQ(SurveyPoolSize(cores, seeks), size) << cores;
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

    std::vector<bool> surveying;  // whether each showing of the controls is that of a survey
    Texts shownHistory;
    Texts shownRows;  // each showing's folders below C:\Base
    std::optional<size_t> highlight;
};

class FolderSizePanelTest : public FolderSurveyTest {
protected:
    FolderSizePanel panel{survey, collation, view,
                          [](const std::u16string& f) { return f.starts_with(u"C:\\Base") || f.starts_with(u"C:\\F"); },
                          u"C:\\Kuvano\\"};
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
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Kuvano\\") << "a folder that is gone gives way to home";
    panel.FolderChosen(u"C:\\FK");
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Fk") << "listed already: selected where it stands";
    EXPECT_EQ(view.shownHistory, items);
    panel.FolderChosen(u"\\\\server\\share");
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Fk") << "a network path is refused";
}

// Two workers: while one waits in B, the other measures A and Link.
TEST_F(FolderSizePanelTest, RowsShowInListingOrderAndTheHighlightFollowsItsFolder) {
    lister.AddFile(u"C:\\Base\\B", u"big.bin", 10 * kMiB);
    std::binary_semaphore goB{0};
    hooked.OnEntry = [&, held = false](const std::u16string& pattern) mutable {
        if (pattern == u"C:\\Base\\B\\*.*" && !std::exchange(held, true) && !goB.try_acquire_for(10s))
            ADD_FAILURE() << "B was never let go";
    };
    panel.Survey(u"C:\\Base");
    ASSERT_TRUE(ready.try_acquire_for(10s));  // A is in
    panel.ResultsReady();
    EXPECT_EQ(view.shownRows, (Texts{u"", u"A "})) << "not Link before B";
    panel.RowSelected(0, true);
    goB.release();
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

TEST_F(FolderSizePanelTest, AStopEndsTheSurveyWithTheRowsSoFarAndStartsNoFurtherSubfolder) {
    volumes.answer = true;  // one worker: A, then B, then Link
    for (int i = 0; i < 50; ++i) lister.AddFile(u"C:\\Base\\B", u"f", kMiB);
    std::atomic<int> inB = 0;
    std::binary_semaphore stopped{0};
    hooked.OnEntry = [&](const std::u16string& pattern) {
        if (pattern.starts_with(u"C:\\Base\\B\\") && ++inB == 27) survey.Cancel(), stopped.release();
    };
    panel.Survey(u"C:\\Base");
    ASSERT_TRUE(stopped.try_acquire_for(10s));
    panel.Stop();
    panel.ResultsReady();  // the workers' last notice, handled after the stop
    EXPECT_EQ(view.surveying, (std::vector<bool>{true, false}));
    EXPECT_EQ(RowTexts(survey), (Texts{u"000,024 C:\\Base\\B 000,024 m", u"000,003 C:\\Base\\A 000,005 c"}));
    panel.Survey(u"C:\\Base");
    panel.Survey(u"C:\\Base\\A");  // a double-click mid-survey: the running one is ended first
    Finish();
    EXPECT_EQ(RowTexts(survey), (Texts{u"000,000 C:\\Base\\A\\Sub 000,001 n"}));
    EXPECT_EQ(panel.History().Items(), (Texts{u"C:\\Base\\A", u"C:\\Base", u"C:\\Kuvano\\"}));
}

}  // namespace
}  // namespace kuvano
