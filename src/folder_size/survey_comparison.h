#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/size_text.h"
#include "core/text_collation.h"
#include "folder_size/survey_row.h"

namespace kuvano {

// Sets each row of a survey against the previous complete survey of the
// same base folder. Subfolders meet by name in any letter case, as the file
// system matches them, so a base folder typed in another case still matches.
class SurveyComparison {
public:
    explicit SurveyComparison(const TextCollation& collation) : collation_(collation) {}

    // Nothing to compare with: every row stays without a change.
    void CompareWith(const SurveyRecord* previous);
    void Mark(SurveyRow& row);
    // The previous survey's subfolders that no row was marked for, each as a
    // row of its old path, in the previous survey's order.
    std::vector<SurveyRow> Removed() const;
    // When the survey compared with ended.
    std::optional<int64_t> PreviousEnd() const { return previousEnd_; }

private:
    struct PreviousRow {
        size_t order = 0;
        std::u16string folder;
        int64_t megabytes = 0;
        bool met = false;
    };

    std::u16string Key(const std::u16string& folder) const;

    const TextCollation& collation_;
    std::optional<int64_t> previousEnd_;
    std::unordered_map<std::u16string, PreviousRow> previous_;
};

// Shown megabytes: truncated, as the column shows them.
inline int64_t Megabytes(const SurveyRow& row) {
    return row.bytes / kBytesPerMiB;
}

}  // namespace kuvano
