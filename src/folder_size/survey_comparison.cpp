#include "folder_size/survey_comparison.h"

#include <algorithm>

namespace kuvano {

void SurveyComparison::CompareWith(const SurveyRecord* previous) {
    previous_.clear();
    previousEnd_.reset();
    if (!previous) return;
    previousEnd_ = previous->endedAt;
    previous_.reserve(previous->rows.size());
    for (size_t i = 0; i < previous->rows.size(); ++i) {
        const SurveyRow& row = previous->rows[i];
        previous_.try_emplace(Key(row.folder), PreviousRow{i, row.folder, Megabytes(row)});
    }
}

void SurveyComparison::Mark(SurveyRow& row) {
    if (!previousEnd_) return;
    const auto found = previous_.find(Key(row.folder));
    if (found == previous_.end()) {
        row.change = RowChange::New;
        return;
    }
    found->second.met = true;
    row.change = RowChange::Compared;
    row.megabytesChange = Megabytes(row) - found->second.megabytes;
}

std::vector<SurveyRow> SurveyComparison::Removed() const {
    std::vector<const PreviousRow*> gone;
    for (const auto& [key, row] : previous_) {
        if (!row.met) gone.push_back(&row);
    }
    std::ranges::sort(gone, {}, &PreviousRow::order);
    std::vector<SurveyRow> rows;
    for (const PreviousRow* row : gone) {
        rows.push_back({.folder = row->folder, .change = RowChange::Removed, .megabytesChange = -row->megabytes});
    }
    return rows;
}

// The subfolder's own name: the base folder's path may be written otherwise.
std::u16string SurveyComparison::Key(const std::u16string& folder) const {
    const size_t separator = folder.find_last_of(u'\\');
    return collation_.UpperCase(separator == std::u16string::npos ? folder : folder.substr(separator + 1));
}

}  // namespace kuvano
