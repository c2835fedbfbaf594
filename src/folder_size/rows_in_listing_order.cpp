#include "folder_size/rows_in_listing_order.h"

namespace kuvano {

void RowsInListingOrder::Add(MeasuredRow measured) {
    waiting_.insert_or_assign(measured.index, std::move(measured.row));
}

std::vector<SurveyRow> RowsInListingOrder::TakeReady() {
    std::vector<SurveyRow> ready;
    for (auto first = waiting_.begin(); first != waiting_.end() && first->first == next_; first = waiting_.begin()) {
        ready.push_back(std::move(first->second));
        waiting_.erase(first);
        ++next_;
    }
    return ready;
}

void RowsInListingOrder::Clear() {
    waiting_.clear();
    next_ = 0;
}

}  // namespace kuvano
