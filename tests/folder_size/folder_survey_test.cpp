#include "folder_size/folder_survey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "folder_size/folder_size_panel.h"
#include "platform/ordinal_collation.h"
#include "support/fake_directory_lister.h"
#include "support/fake_local_time.h"

namespace kuvano {
namespace {

using testing::FakeDirectoryLister;
constexpr uint64_t kMiB = 1'048'576;

struct RowText {
    std::u16string megabytes;
    std::u16string folder;
    std::u16string entries;
    int level;
    bool operator==(const RowText&) const = default;
};

void PrintTo(const RowText& row, std::ostream* out) {
    *out << std::string(row.folder.begin(), row.folder.end()) << " level " << row.level;
}

class RecordingView final : public FolderSizeView {
public:
    void ShowControls(const PanelControls& controls) override { states.push_back(controls); }
    void ShowHistory(const FolderHistory& history) override { shownHistory = history.Items(); }
    void ShowRows(const std::vector<SurveyRow>& rows) override { shownRows = rows.size(); }
    void ShowHighlight(std::optional<size_t> row) override { highlight = row; }

    std::vector<PanelControls> states;
    std::vector<std::u16string> shownHistory;
    size_t shownRows = 0;
    std::optional<size_t> highlight;
};

constexpr PanelControls kIdle{};
// Only the stop button and the list: no new folder can be asked for.
constexpr PanelControls kSurveying{.folderButton = false, .history = false, .start = false, .stop = true};

class FolderSurveyTest : public ::testing::Test {
protected:
    FolderSurveyTest() {
        // A: three files of 1 MiB and a subfolder with 512 KiB; B: empty.
        for (const char16_t* name : {u"1.bin", u"2.bin", u"3.bin"}) lister.AddFile(u"C:\\Base\\A", name, kMiB);
        lister.AddSubfolder(u"C:\\Base", u"A");
        lister.AddSubfolder(u"C:\\Base\\A", u"Sub");
        lister.AddFile(u"C:\\Base\\A\\Sub", u"half.bin", kMiB / 2);
        lister.AddSubfolder(u"C:\\Base", u"B");
        lister.AddFile(u"C:\\Base", u"loose.bin", 100 * kMiB);  // lies in the base folder: not counted
        lister.AddSubfolder(u"C:\\Base", u"Hidden", kAttributeHidden);
        lister.AddSubfolder(u"C:\\Base", u"System", kAttributeSystem);
        lister.AddFile(u"C:\\Base\\Hidden", u"h.bin", kMiB);
    }

    std::vector<RowText> Texts() const {
        std::vector<RowText> texts;
        for (const SurveyRow& row : survey.Rows()) {
            texts.push_back({MegabyteText(row, u","), row.folder, EntriesText(row, u","), row.level});
        }
        return texts;
    }

    FakeDirectoryLister lister;
    testing::FakeLocalTime japan;
    OrdinalCollation collation;
    FolderSurvey survey{lister, japan, u"C:\\Windows", collation};
};

TEST_F(FolderSurveyTest, MeasuresEachPlainSubfolderLargestFirst) {
    survey.Run(u"C:\\Base\\");
    EXPECT_EQ(Texts(), (std::vector<RowText>{{u"000,003", u"C:\\Base\\A", u"000,005", 13},
                                             {u"000,000", u"C:\\Base\\B", u"000,000", 0}}));
    EXPECT_EQ(survey.TotalBytes(), 3'670'016);
}

TEST_F(FolderSurveyTest, SkipsTheWindowsDirectoryInAnyLetterCase) {
    lister.AddSubfolder(u"C:", u"wINDOWS");
    lister.AddFile(u"C:\\wINDOWS", u"big.bin", 5ull << 30);
    lister.AddSubfolder(u"C:", u"Data");
    lister.AddFile(u"C:\\Data", u"big.bin", 5ull << 30);
    survey.Run(u"C:\\");
    EXPECT_EQ(Texts(), std::vector<RowText>{(RowText{u"005,120", u"C:\\Data", u"000,001", 13})});
}

TEST_F(FolderSurveyTest, ALinkGetsARowButIsNotEnteredAndSumsHoldAtTheMost) {
    lister.AddSubfolder(u"C:\\Base", u"Link", kAttributeReparsePoint);
    lister.AddFile(u"C:\\Base\\Link", u"elsewhere.bin", kMiB);
    lister.AddFile(u"C:\\Base\\B", u"huge", UINT64_MAX - 1);
    lister.AddFile(u"C:\\Base\\B", u"more", 5);
    survey.Run(u"C:\\Base");
    ASSERT_EQ(survey.Rows().size(), 3u);
    EXPECT_EQ(survey.Rows()[0].bytes, INT64_MAX) << "B holds more than 64 signed bits count";
    EXPECT_EQ(survey.TotalBytes(), INT64_MAX);
    EXPECT_EQ(Texts()[2], (RowText{u"000,000", u"C:\\Base\\Link", u"000,000", 0}));
}

TEST_F(FolderSurveyTest, LevelsAreSharesInFourteenStepsAndZeroWithoutBytes) {
    struct Case {
        std::vector<uint64_t> sizes;
        std::vector<int> levels;  // in the order of the sizes
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}},   {{1, 1}, {7, 7}}, {{1, 3}, {4, 10}},  // 3.5 rounds to even: 4; 10.5 to 10
        {{1, 27}, {0, 13}},                                       // 0.5 rounds to 0; 13.5 is clamped
        {{5, 95}, {1, 13}},                                       // 0.7 rounds up
    };
    for (const Case& c : cases) {
        FakeDirectoryLister flat;
        for (size_t i = 0; i < c.sizes.size(); ++i) {
            const std::u16string name(1, static_cast<char16_t>(u'a' + i));
            flat.AddSubfolder(u"D:", name);
            flat.AddFile(u"D:\\" + name, u"f", c.sizes[i]);
        }
        FolderSurvey levels(flat, japan, u"C:\\Windows", collation);
        levels.Run(u"D:");
        levels.SortBy(kColumnFolder);
        std::vector<int> got;
        for (const SurveyRow& row : levels.Rows()) got.push_back(row.level);
        EXPECT_EQ(got, c.levels) << c.sizes[0] << " and " << c.sizes[1];
    }
}

TEST_F(FolderSurveyTest, ColumnsSortByTheirNumbersInAlternatingDirections) {
    FakeDirectoryLister wide;
    // Around a million megabytes the texts would order 1,000,000 before 999,999.
    const std::tuple<const char16_t*, uint64_t, int> folders[] = {
        {u"m", 999'999, 3}, {u"z", 1'000'000, 1}, {u"a", 7, 2}};
    for (const auto& [name, megabytes, entries] : folders) {
        wide.AddSubfolder(u"E:", name);
        wide.AddFile(u"E:\\" + std::u16string(name), u"f", megabytes * kMiB);
        for (int i = 1; i < entries; ++i) wide.AddFile(u"E:\\" + std::u16string(name), u"g");
    }
    FolderSurvey big(wide, japan, u"C:\\Windows", collation);
    big.Run(u"E:");
    const auto folderOrder = [&big] {
        std::u16string order;
        for (const SurveyRow& row : big.Rows()) order += row.folder.back();
        return order;
    };
    EXPECT_EQ(folderOrder(), u"zma");
    EXPECT_EQ(MegabyteText(big.Rows()[0], u","), u"1,000,000");
    big.SortBy(kColumnMegabytes);
    EXPECT_EQ(folderOrder(), u"amz");
    big.SortBy(kColumnMegabytes);
    EXPECT_EQ(folderOrder(), u"zma");
    big.SortBy(kColumnEntries);
    EXPECT_EQ(folderOrder(), u"zam");
    big.SortBy(kColumnEntries);
    EXPECT_EQ(folderOrder(), u"maz");
    big.SortBy(kColumnFolder);
    EXPECT_EQ(folderOrder(), u"amz");
}

TEST_F(FolderSurveyTest, MegabyteColumnDescendsAfterASurveyThenAlternates) {
    survey.Run(u"C:\\Base");
    EXPECT_EQ(Texts()[0].folder, u"C:\\Base\\A");
    survey.SortBy(kColumnMegabytes);
    EXPECT_EQ(Texts()[0].folder, u"C:\\Base\\B");
    survey.SortBy(kColumnMegabytes);
    EXPECT_EQ(Texts()[0].folder, u"C:\\Base\\A");
}

class FolderSizePanelTest : public FolderSurveyTest {
protected:
    bool Exists(const std::u16string& folder) const {
        return std::ranges::any_of(existing, [&](const auto& f) { return collation.EqualIgnoringCase(f, folder); });
    }

    FolderSizePanel panel{survey, collation, view, [this](const std::u16string& f) { return Exists(f); },
                          u"C:\\Kuvano\\"};
    RecordingView view;
    std::set<std::u16string> existing{u"C:\\Base", u"C:\\Kuvano\\"};
};

TEST_F(FolderSizePanelTest, HistoryKeepsTwentyNewestFirstAndFindsAnyLetterCase) {
    EXPECT_EQ(panel.History().Items(), std::vector<std::u16string>{u"C:\\Kuvano\\"});
    for (int i = 0; i < 21; ++i) {
        const std::u16string folder = u"C:\\F" + std::u16string(1, static_cast<char16_t>(u'a' + i));
        existing.insert(folder);
        panel.FolderChosen(folder);
    }
    const auto& items = panel.History().Items();
    ASSERT_EQ(items.size(), FolderHistory::kCapacity);
    EXPECT_EQ(items.front(), u"C:\\Fu");
    EXPECT_EQ(items.back(), u"C:\\Fb");  // the home folder and the first one fell off

    panel.Survey(u"C:\\Gone");  // no longer there: surveys the home folder instead
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Kuvano\\");
    panel.FolderChosen(u"C:\\FK");  // listed already: selected where it stands
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Fk");
    EXPECT_EQ(panel.History().Items().front(), u"C:\\Kuvano\\");
    EXPECT_EQ(view.shownHistory, panel.History().Items());
}

TEST_F(FolderSizePanelTest, NetworkPathsAreRefusedAndSelectingARowRemembersIt) {
    panel.FolderChosen(u"\\\\server\\share");
    EXPECT_TRUE(view.states.empty());
    panel.Survey(u"C:\\Base");
    EXPECT_EQ(view.states, (std::vector<PanelControls>{kSurveying, kIdle}));
    EXPECT_EQ(view.shownRows, 2u);
    panel.RowSelected(1, true);
    EXPECT_EQ(panel.History().SelectedFolder(), u"C:\\Base\\B");
}

TEST_F(FolderSizePanelTest, StopKeepsTheRowsSoFarAndNestedSurveysAreIgnored) {
    for (int i = 0; i < 50; ++i) lister.AddFile(u"C:\\Base\\B", u"f", kMiB);
    int pumped = 0;
    survey.SetProcessMessages([&] {
        ++pumped;
        if (pumped == 3) panel.Survey(u"C:\\Base\\A");  // a double-click in the middle of the survey
        if (pumped == 40) panel.Stop();                 // in the middle of B
    });
    panel.Survey(u"C:\\Base");
    EXPECT_EQ(view.states, (std::vector<PanelControls>{kSurveying, kIdle, kIdle}));
    ASSERT_EQ(survey.Rows().size(), 2u);
    EXPECT_EQ(Texts()[0].folder, u"C:\\Base\\B");
    EXPECT_EQ(Texts()[0].megabytes, u"000,024");  // part of B
    EXPECT_EQ(Texts()[0].level, 12);
    EXPECT_EQ(Texts()[1].folder, u"C:\\Base\\A");
}

TEST_F(FolderSizePanelTest, TheHighlightFollowsItsFolderWhenTheRowsAreSorted) {
    lister.AddSubfolder(u"C:\\Base", u"C");
    lister.AddFile(u"C:\\Base\\C", u"big.bin", 10 * kMiB);
    survey.SetProcessMessages([&] {
        if (survey.Rows().size() == 2) panel.RowSelected(1, true);  // B, while C is still to come
    });
    panel.Survey(u"C:\\Base");
    EXPECT_EQ(view.highlight, 2u) << "the survey ends largest first: C, A, B";
    struct Case {
        int column;
        size_t highlight;
    };
    for (const auto& [column, highlight] : {Case{kColumnFolder, 1}, Case{kColumnMegabytes, 0}}) {
        panel.SortBy(column);
        EXPECT_EQ(view.highlight, highlight) << "sorted by column " << column;
    }
    panel.RowSelected(0, false);
    panel.SortBy(kColumnFolder);
    EXPECT_EQ(view.highlight, std::nullopt) << "unselected, it is no longer followed";
}

}  // namespace
}  // namespace kuvano
