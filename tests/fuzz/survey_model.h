#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "folder_size/folder_survey.h"
#include "generated_tree.h"

namespace kuvano::fuzz {

// What the message pump does during a survey: at a given call (counted from
// 1; 0 never) it sorts by a column, and at another it stops the survey.
struct PumpPlan {
    size_t sortAt = 0;
    int sortColumn = kColumnMegabytes;
    size_t stopAt = 0;
};

struct SurveyOutcome {
    std::vector<SurveyRow> rows;         // levels left 0
    std::vector<size_t> shownRowCounts;  // each time the view is shown the rows
    bool stopped = false;
};

// A survey worked out independently on the generated tree: the plain
// first-level subfolders, each counted breadth first below it, links
// reported and counted but never entered, byte sums held at INT64_MAX. It
// keeps the sort directions as one survey object does.
class SurveyModel {
public:
    SurveyModel(const GeneratedTree& tree, const TextCollation& collation, std::u16string windowsDirectory)
        : tree_(tree), collation_(collation), windowsDirectory_(std::move(windowsDirectory)) {}

    SurveyOutcome Survey(const std::u16string& baseFolder, const PumpPlan& plan);
    // A click on a column header: sorts stably in the column's direction, then turns it round.
    void SortBy(int column, std::vector<SurveyRow>& rows);

private:
    class Walk;

    void Sort(int column, int direction, std::vector<SurveyRow>& rows) const;

    const GeneratedTree& tree_;
    const TextCollation& collation_;
    std::u16string windowsDirectory_;
    std::array<int, 3> directions_{1, 1, 1};
};

}  // namespace kuvano::fuzz
