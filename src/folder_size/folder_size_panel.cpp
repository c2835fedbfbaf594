#include "folder_size/folder_size_panel.h"

namespace kuvano {

FolderSizePanel::FolderSizePanel(FolderSurvey& survey, const TextCollation& collation, FolderSizeView& view,
                                 FolderExists folderExists, std::u16string homeFolder)
    : survey_(survey),
      view_(view),
      folderExists_(std::move(folderExists)),
      homeFolder_(std::move(homeFolder)),
      history_(collation) {
    history_.Reset(homeFolder_);
    survey_.OnRowAdded = [this] { view_.ShowRows(survey_.Rows()); };
}

void FolderSizePanel::Survey(const std::u16string& shownFolder) {
    if (survey_.Surveying()) return;
    view_.ShowSurveying(true);
    // A copy: the shown folder may be one of the history's own items.
    const std::u16string baseFolder = folderExists_(shownFolder) ? shownFolder : homeFolder_;
    history_.Add(baseFolder);
    view_.ShowHistory(history_);
    view_.ShowRows({});
    survey_.Run(baseFolder);
    view_.ShowRows(survey_.Rows());
    view_.ShowSurveying(false);
}

void FolderSizePanel::FolderChosen(const std::u16string& folder) {
    if (folder.starts_with(u"\\\\") || survey_.Surveying()) return;
    history_.Add(folder);
    view_.ShowHistory(history_);
    Survey(folder);
}

void FolderSizePanel::RowSelected(size_t row) {
    if (row >= survey_.Rows().size()) return;
    history_.Add(survey_.Rows()[row].folder);
    view_.ShowHistory(history_);
}

void FolderSizePanel::SortBy(int column) {
    survey_.SortBy(column);
    view_.ShowRows(survey_.Rows());
}

void FolderSizePanel::Stop() {
    survey_.Stop();
    view_.ShowSurveying(false);
}

}  // namespace kuvano
