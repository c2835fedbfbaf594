#pragma once

#include <optional>
#include <string>

#include "core/wall_clock.h"
#include "folder_size/folder_history.h"
#include "folder_size/folder_survey.h"

namespace kuvano {

// Which of the panel's controls take input. While a survey runs only the
// stop button and the list do: a new folder cannot be asked for then.
struct PanelControls {
    bool folderButton = true;
    bool history = true;
    bool start = true;
    bool stop = false;  // also: the animation plays
    bool operator==(const PanelControls&) const = default;
};

// What the folder size window shows of the panel's state.
class FolderSizeView {
public:
    virtual ~FolderSizeView() = default;
    virtual void ShowControls(const PanelControls& controls) = 0;
    virtual void ShowHistory(const FolderHistory& history) = 0;
    virtual void ShowRows(const std::vector<SurveyRow>& rows) = 0;
    // The row to highlight after the rows moved, or none.
    virtual void ShowHighlight(std::optional<size_t> row) = 0;
    // When the survey the rows are compared with ended, or none.
    virtual void ShowPreviousEnd(std::optional<int64_t> endedAt) = 0;
};

// The change column's title: "前回比" alone, or when the survey compared
// with ended, "前回: 2026/12/01 14:05", so that it is seen without a click.
std::u16string ChangeColumnTitle(const std::optional<LocalTime>& previousEnd);

// The folder size panel's behaviour, apart from its controls.
class FolderSizePanel {
public:
    // The history starts with the program's own folder, the fallback of every survey.
    FolderSizePanel(FolderSurvey& survey, const TextCollation& collation, FolderSizeView& view,
                    std::u16string homeFolder);

    // Starts a survey of the folder shown in the history box; one that turns
    // out no longer to exist gives way to the home folder. A running survey
    // is stopped first.
    void Survey(const std::u16string& shownFolder);
    // A folder from the picker: network paths are refused.
    void FolderChosen(const std::u16string& folder);
    // A row became selected or unselected: either way its folder is shown,
    // unless the folder is gone.
    void RowSelected(size_t row, bool selected);
    // Drills into the row's folder, if it is still there.
    void RowDoubleClicked(size_t row);
    void SortBy(int column);
    // The survey's workers said that results are ready, or the window looks.
    void ResultsReady();
    // The stop button, and closing the window.
    void Stop();

    const FolderHistory& History() const { return history_; }

private:
    void ShowSortedRows();
    void ShowBaseFolderInHistory();

    FolderSurvey& survey_;
    FolderSizeView& view_;
    std::u16string homeFolder_;
    FolderHistory history_;
    // Followed by its folder, as a sort moves it to another index.
    std::optional<std::u16string> highlighted_;
    bool baseFolderShown_ = false;  // the survey's base folder is in the history
};

}  // namespace kuvano
