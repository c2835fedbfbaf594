#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kuvano {

// How a row stands against the last complete survey of its base folder.
enum class RowChange : uint8_t {
    NoPrevious,  // the folder was never surveyed whole before
    Compared,    // the subfolder was there
    New,
    Removed,     // there last time, gone now: a row of its old path
};

// One first-level subfolder: everything below it, at any depth.
struct SurveyRow {
    std::u16string folder;
    int64_t bytes = 0;
    int64_t entries = 0;  // files and folders
    int level = 0;        // share of the survey's total in 14 steps, 0..13
    RowChange change = RowChange::NoPrevious;
    int64_t megabytesChange = 0;  // of shown megabytes; a removed row's is minus what it held
    bool operator==(const SurveyRow&) const = default;
};

// A complete survey as it is remembered for the next one of its folder.
struct SurveyRecord {
    std::u16string baseFolder;
    int64_t endedAt = 0;  // seconds since 1970 UTC
    std::vector<SurveyRow> rows;
    bool operator==(const SurveyRecord&) const = default;
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
