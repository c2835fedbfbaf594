#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace kuvano::bench {

struct FolderTotals {
    int64_t bytes = 0;
    int64_t entries = 0;
    bool operator==(const FolderTotals&) const = default;
};

// What a survey measures, by the barest loop over FindFirstFileExW: each
// first-level subfolder that is neither hidden nor system, with the bytes
// and entries below it, breadth first, links not entered.
std::map<std::u16string, FolderTotals> BareFolderTotals(const std::u16string& base);

}  // namespace kuvano::bench
