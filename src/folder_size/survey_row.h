#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kuvano {

// One first-level subfolder: everything below it, at any depth.
struct SurveyRow {
    std::u16string folder;
    int64_t bytes = 0;
    int64_t entries = 0;  // files and folders
    int level = 0;        // share of the survey's total in 14 steps, 0..13
};

// A row and the place of its subfolder in the base folder's listing.
struct MeasuredRow {
    size_t index = 0;
    SurveyRow row;
};

// Sums hold at the largest count instead of wrapping round to negative.
inline int64_t SaturatingAdd(int64_t sum, uint64_t size) {
    const auto room = static_cast<uint64_t>(INT64_MAX - sum);
    return size >= room ? INT64_MAX : sum + static_cast<int64_t>(size);
}

}  // namespace kuvano
