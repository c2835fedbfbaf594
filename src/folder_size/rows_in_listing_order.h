#pragma once

#include <cstddef>
#include <map>
#include <vector>

#include "folder_size/survey_row.h"

namespace kuvano {

// Rows finished in any order come out in the base folder's listing order:
// each as soon as it and every row before it are in.
class RowsInListingOrder {
public:
    void Add(MeasuredRow measured);
    // The rows that became ready since the last call.
    std::vector<SurveyRow> TakeReady();
    void Clear();

private:
    std::map<size_t, SurveyRow> waiting_;
    size_t next_ = 0;
};

}  // namespace kuvano
