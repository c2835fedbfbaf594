// libFuzzer target: the folder size panel surveys a folder tree decoded from
// the input (names, sizes up to 2^64-1, hidden, system, directory and
// reparse attributes, failing listings) through an in-memory lister, with a
// stop, a sort and nested clicks at chosen pump calls, and then takes
// history picks, row picks and sorts. After each step its rows, levels,
// sort order and history must agree with a recount of the tree.
//
// After the tree (generated_tree.h) the input holds the pump plan of the
// first survey, of the base folder (bytes: sort call, sort column, stop
// call), then steps, each a byte: 0 a survey, 1 a folder from the picker
// (each followed by a byte choosing the folder and a pump plan), 2 a row
// pick (and the row), 3 a sort (and the column), 4 the stop button while idle.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "byte_reader.h"
#include "folder_size/folder_size_panel.h"
#include "fuzz_check.h"
#include "generated_tree_lister.h"
#include "platform/ordinal_collation.h"
#include "support/fake_local_time.h"
#include "survey_model.h"

namespace kuvano::fuzz {
namespace {

const std::u16string kBase = u"B:\\Base";
const std::u16string kHome = u"B:\\Base\\";
const std::u16string kWindows = u"B:\\Base\\Windows";
constexpr int kMaxSteps = 40;  // room to overfill the history
constexpr int kLevels = 14;

class RecordingView final : public FolderSizeView {
public:
    // A survey shows as the stop button taking input.
    void ShowControls(const PanelControls& controls) override { states.push_back(controls.stop); }
    void ShowHistory(const FolderHistory& history) override { shownHistory = history.Items(); }
    void ShowRows(const std::vector<SurveyRow>& rows) override { shownRowCounts.push_back(rows.size()); }
    void ShowHighlight(std::optional<size_t>) override {}

    std::vector<bool> states;
    std::vector<std::u16string> shownHistory;
    std::vector<size_t> shownRowCounts;
};

auto Counts(const SurveyRow& row) {
    return std::tie(row.folder, row.bytes, row.entries);
}

char16_t OtherAsciiCase(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
    return c;
}

std::u16string SwapAsciiCase(std::u16string text) {
    std::ranges::transform(text, text.begin(), OtherAsciiCase);
    return text;
}

bool IsGroupedNumber(const std::u16string& text) {
    return !text.empty() && std::ranges::all_of(text, [](char16_t c) { return (c >= u'0' && c <= u'9') || c == u','; });
}

class PanelRun {
public:
    explicit PanelRun(ByteReader& input)
        : input_(input),
          tree_(DecodeTree(input, kBase, collation_)),
          lister_(tree_, collation_),
          survey_(lister_, localTime_, kWindows, collation_),
          panel_(
              survey_, collation_, view_, [this](const std::u16string& folder) { return Exists(folder); }, kHome),
          model_(tree_, collation_, kWindows) {}

    void Run() {
        Survey(kBase, /*chosen=*/false);
        for (int step = 0; step < kMaxSteps && !input_.AtEnd(); ++step) {
            switch (input_.Byte() % 5) {
                case 0: Survey(FolderChoice(), false); break;
                case 1: Survey(FolderChoice(), true); break;
                case 2: SelectRow(input_.Byte()); break;
                case 3: SortBy(input_.Byte() % 3); break;
                default: panel_.Stop(); break;  // while idle: the next survey runs in full
            }
            CheckHistory();
        }
    }

private:
    bool Exists(std::u16string folder) const {
        if (folder.size() > 1 && folder.back() == u'\\') folder.pop_back();
        return tree_.Find(folder, collation_) != nullptr;
    }

    std::u16string FolderChoice() {
        const uint8_t choice = input_.Byte();
        const TreeFolder& some = tree_.folders[choice / 6 % tree_.folders.size()];
        switch (choice % 6) {
            case 0: return kBase;
            case 1: return kHome;
            case 2: return some.path;
            case 3: return SwapAsciiCase(some.path) + u"\\";
            case 4: return u"B:\\Gone" + std::u16string(1, static_cast<char16_t>(u'0' + choice / 6 % 10));
            default: return u"\\\\server\\share";
        }
    }

    PumpPlan ReadPlan() {
        PumpPlan plan;
        plan.sortAt = input_.Byte();
        plan.sortColumn = input_.Byte() % 3;
        plan.stopAt = input_.Byte();
        return plan;
    }

    void Survey(const std::u16string& folder, bool chosen) {
        const PumpPlan plan = ReadPlan();
        const auto historyBefore = panel_.History().Items();
        const size_t statesBefore = view_.states.size();
        RunWithPump(plan, [&] {
            if (chosen) {
                panel_.FolderChosen(folder);
            } else {
                panel_.Survey(folder);
            }
        });
        if (chosen && folder.starts_with(u"\\\\")) {
            Check(panel_.History().Items() == historyBefore && view_.states.size() == statesBefore,
                  "a network path is refused");
            return;
        }
        const std::u16string surveyed = Exists(folder) ? folder : kHome;
        const SurveyOutcome expected = model_.Survey(surveyed, plan);
        CheckRows(expected);
        const std::vector<bool> states(view_.states.begin() + static_cast<std::ptrdiff_t>(statesBefore),
                                       view_.states.end());
        Check(states == (expected.stopped ? std::vector<bool>{true, false, false} : std::vector<bool>{true, false}),
              "the view shows the survey start and end, and a stop");
        CheckSurveyedInHistory(surveyed, chosen ? &folder : nullptr);
    }

    void RunWithPump(const PumpPlan& plan, const std::function<void()>& action) {
        view_.shownRowCounts.clear();
        size_t pumps = 0;
        survey_.SetProcessMessages([&] {
            ++pumps;
            if (pumps == plan.sortAt) ClickDuringSurvey(plan.sortColumn);
            if (pumps == plan.stopAt) panel_.Stop();
        });
        action();
        survey_.SetProcessMessages(nullptr);
    }

    void CheckSurveyedInHistory(const std::u16string& surveyed, const std::u16string* chosen) const {
        Check(collation_.EqualIgnoringCase(panel_.History().SelectedFolder(), surveyed),
              "the surveyed folder is selected in the history");
        if (!chosen) return;
        // A chosen folder that is gone may already stand last in a full
        // history, where the home folder going on top pushes it off.
        const auto& items = panel_.History().Items();
        const bool listed =
            std::ranges::any_of(items, [&](const auto& item) { return collation_.EqualIgnoringCase(item, *chosen); });
        Check(listed || (surveyed == kHome && items.size() == FolderHistory::kCapacity),
              "a chosen folder is in the history");
    }

    // Clicks during a survey: a sort is taken, a new survey is not.
    void ClickDuringSurvey(int column) {
        const auto history = panel_.History().Items();
        const size_t states = view_.states.size();
        panel_.FolderChosen(kBase + u"\\a");
        panel_.Survey(kBase);
        Check(panel_.History().Items() == history && view_.states.size() == states, "no survey starts inside another");
        panel_.SortBy(column);
    }

    void CheckRows(const SurveyOutcome& expected) const {
        const std::vector<SurveyRow>& rows = survey_.Rows();
        const auto byFolder = [](std::vector<SurveyRow> sorted) {
            std::ranges::sort(sorted, {}, &SurveyRow::folder);
            return sorted;
        };
        const auto gotByFolder = byFolder(rows);
        const auto expectedByFolder = byFolder(expected.rows);
        Check(std::ranges::equal(gotByFolder, expectedByFolder, {}, &SurveyRow::folder, &SurveyRow::folder),
              "the rows are the plain first-level subfolders");
        Check(std::ranges::equal(gotByFolder, expectedByFolder,
                                 [](const SurveyRow& a, const SurveyRow& b) { return Counts(a) == Counts(b); }),
              "each row's bytes and entries match a recount of the tree");
        Check(std::ranges::equal(rows, expected.rows,
                                 [](const SurveyRow& a, const SurveyRow& b) { return Counts(a) == Counts(b); }),
              "the rows are sorted largest first, ties in the order they were shown");
        Check(view_.shownRowCounts == expected.shownRowCounts, "the view is shown each row as it is added");
        CheckTotalAndLevels();
    }

    void CheckTotalAndLevels() const {
        const std::vector<SurveyRow>& rows = survey_.Rows();
        int64_t total = 0;
        for (const SurveyRow& row : rows) total = row.bytes > INT64_MAX - total ? INT64_MAX : total + row.bytes;
        Check(survey_.TotalBytes() == total, "the total is the rows' sum, held at INT64_MAX");
        for (const SurveyRow& row : rows) {
            Check(row.level >= 0 && row.level < kLevels, "levels lie within 0..13");
            Check(total != 0 || row.level == 0, "without bytes every level is 0");
            Check(IsGroupedNumber(MegabyteText(row, u",")) && IsGroupedNumber(EntriesText(row, u",")),
                  "the row's texts are grouped numbers");
            for (const SurveyRow& other : rows) {
                Check(row.bytes <= other.bytes || row.level >= other.level, "more bytes never give a lower level");
            }
        }
    }

    void SelectRow(size_t row) {
        const auto history = panel_.History().Items();
        const size_t selected = panel_.History().Selected();
        panel_.RowSelected(row, true);
        if (row >= survey_.Rows().size()) {
            Check(panel_.History().Items() == history && panel_.History().Selected() == selected,
                  "a pick beyond the rows changes nothing");
            return;
        }
        Check(collation_.EqualIgnoringCase(panel_.History().SelectedFolder(), survey_.Rows()[row].folder),
              "a picked row's folder is selected in the history");
    }

    void SortBy(int column) {
        std::vector<SurveyRow> expected = survey_.Rows();
        model_.SortBy(column, expected);
        panel_.SortBy(column);
        Check(std::ranges::equal(
                  survey_.Rows(), expected,
                  [](const SurveyRow& a, const SurveyRow& b) { return Counts(a) == Counts(b) && a.level == b.level; }),
              "a sort orders the same rows stably, in alternating directions");
    }

    void CheckHistory() const {
        const auto& items = panel_.History().Items();
        Check(!items.empty() && items.size() <= FolderHistory::kCapacity, "the history holds 1 to 20 folders");
        Check(panel_.History().Selected() < items.size(), "the history's selection is one of its folders");
        for (size_t i = 0; i < items.size(); ++i) {
            for (size_t j = i + 1; j < items.size(); ++j) {
                Check(!collation_.EqualIgnoringCase(items[i], items[j]), "the history holds no folder twice");
            }
        }
        Check(view_.shownHistory.empty() || view_.shownHistory == items, "the view shows the history as it is");
    }

    ByteReader& input_;
    OrdinalCollation collation_;
    testing::FakeLocalTime localTime_;
    GeneratedTree tree_;
    GeneratedTreeLister lister_;
    FolderSurvey survey_;
    RecordingView view_;
    FolderSizePanel panel_;
    SurveyModel model_;
};

}  // namespace
}  // namespace kuvano::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kuvano::fuzz::ByteReader input(data, size);
    kuvano::fuzz::PanelRun(input).Run();
    return 0;
}
