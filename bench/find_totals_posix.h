#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kuvano::bench {

// What find(1) counts below a folder, links not followed: the entries at any
// depth and the sizes of the regular files. Folders it may not read count as empty.
struct FindTotals {
    int64_t bytes = 0;
    int64_t entries = 0;
    bool operator==(const FindTotals&) const = default;
};
FindTotals FindTotalsBelow(const std::string& folder);

std::string CommandOutput(const std::string& command);  // its standard output
std::string ShellQuoted(std::string_view text);

}  // namespace kuvano::bench
