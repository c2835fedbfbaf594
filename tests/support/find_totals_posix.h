#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kuvano::testing {

// What find(1) counts below a folder, links not followed: the entries at any
// depth ("find F -mindepth 1 | wc -l") and the sizes of the regular files
// ("find F -type f -printf '%s\n'", summed).
struct FindTotals {
    int64_t bytes = 0;
    int64_t entries = 0;
    bool operator==(const FindTotals&) const = default;
};

FindTotals FindTotalsBelow(const std::string& folder);

// The standard output of a shell command.
std::string CommandOutput(const std::string& command);
std::string ShellQuoted(std::string_view text);

}  // namespace kuvano::testing
