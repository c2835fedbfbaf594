#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "core/directory_lister.h"

namespace kuvano::testing {

// An enumeration over entries already in memory: after the first, which Open
// hands out, each in turn, then the end with `endError` (18: no more files).
class ListedEntries final : public DirectoryLister::Enumeration {
public:
    ListedEntries(std::vector<TFindData> entries, uint32_t endError)
        : entries_(std::move(entries)), endError_(endError) {}

    bool Next(TFindData& entry, uint32_t& error) override {
        if (++next_ >= entries_.size()) {
            error = endError_;
            return false;
        }
        entry = entries_[next_];
        return true;
    }

private:
    std::vector<TFindData> entries_;
    uint32_t endError_;
    size_t next_ = 0;
};

}  // namespace kuvano::testing
