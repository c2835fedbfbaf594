#include "folder_size/folder_size_panel.h"

#include <algorithm>

namespace kuvano {
namespace {

constexpr PanelControls kIdle{};
constexpr PanelControls kSurveying{.folderButton = false, .history = false, .start = false, .stop = true};

std::u16string TwoDigits(int value) {
    return {static_cast<char16_t>(u'0' + value / 10 % 10), static_cast<char16_t>(u'0' + value % 10)};
}

}  // namespace

std::u16string ChangeColumnTitle(const std::optional<LocalTime>& previousEnd) {
    if (!previousEnd) return u"前回比";
    const LocalTime& t = *previousEnd;
    return u"前回: " + TwoDigits(t.year / 100) + TwoDigits(t.year) + u"/" + TwoDigits(t.month) + u"/" +
           TwoDigits(t.day) + u" " + TwoDigits(t.hour) + u":" + TwoDigits(t.minute);
}

FolderSizePanel::FolderSizePanel(FolderSurvey& survey, const TextCollation& collation, FolderSizeView& view,
                                 std::u16string homeFolder)
    : survey_(survey), view_(view), homeFolder_(std::move(homeFolder)), history_(collation) {
    history_.Reset(homeFolder_);
}

void FolderSizePanel::Survey(const std::u16string& shownFolder) {
    survey_.Stop();
    view_.ShowControls(kSurveying);
    highlighted_.reset();
    baseFolderShown_ = false;
    view_.ShowRows({});
    view_.ShowHighlight(std::nullopt);
    view_.ShowPreviousEnd(std::nullopt);
    survey_.Start(shownFolder, homeFolder_);
    ResultsReady();  // a survey whose workers could not start has ended already
}

void FolderSizePanel::FolderChosen(const std::u16string& folder) {
    if (folder.starts_with(u"\\\\")) return;
    history_.Add(folder);
    view_.ShowHistory(history_);
    Survey(folder);
}

void FolderSizePanel::RowSelected(size_t row, bool selected) {
    if (row >= survey_.Rows().size()) return;
    const std::u16string& folder = survey_.Rows()[row].folder;
    if (survey_.Rows()[row].change != RowChange::Removed) {
        history_.Add(folder);
        view_.ShowHistory(history_);
    }
    if (selected) {
        highlighted_ = folder;
    } else if (highlighted_ == folder) {
        highlighted_.reset();
    }
}

void FolderSizePanel::RowDoubleClicked(size_t row) {
    if (row >= survey_.Rows().size() || survey_.Rows()[row].change == RowChange::Removed) return;
    Survey(std::u16string(survey_.Rows()[row].folder));  // a copy: the survey clears the rows
}

void FolderSizePanel::SortBy(int column) {
    survey_.SortBy(column);
    ShowSortedRows();
}

// Rows arrive in listing order; the survey's end sorts them.
void FolderSizePanel::ResultsReady() {
    if (!survey_.TakeResults()) return;
    ShowBaseFolderInHistory();
    if (survey_.Surveying()) {
        view_.ShowRows(survey_.Rows());
        return;
    }
    ShowSortedRows();
    view_.ShowControls(kIdle);
}

void FolderSizePanel::Stop() {
    if (survey_.Surveying()) {
        survey_.Stop();
        ShowBaseFolderInHistory();
        ShowSortedRows();
    }
    view_.ShowControls(kIdle);
}

// Once the workers know which folder they survey (the shown one, or home),
// and so which survey the rows are compared with.
void FolderSizePanel::ShowBaseFolderInHistory() {
    if (baseFolderShown_ || !survey_.BaseFolder()) return;
    history_.Add(*survey_.BaseFolder());
    view_.ShowHistory(history_);
    view_.ShowPreviousEnd(survey_.PreviousEnd());
    baseFolderShown_ = true;
}

// A survey's folders are all different: the highlighted one is found by name.
void FolderSizePanel::ShowSortedRows() {
    const auto& rows = survey_.Rows();
    view_.ShowRows(rows);
    std::optional<size_t> highlight;
    if (highlighted_) {
        const auto found = std::ranges::find(rows, *highlighted_, &SurveyRow::folder);
        if (found != rows.end()) highlight = static_cast<size_t>(found - rows.begin());
    }
    view_.ShowHighlight(highlight);
}

}  // namespace kuvano
