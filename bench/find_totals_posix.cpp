#include "find_totals_posix.h"

#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace kuvano::bench {

std::string CommandOutput(const std::string& command) {
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string output;
    char chunk[4096];
    while (const size_t read = fread(chunk, 1, sizeof chunk, pipe.get())) output.append(chunk, read);
    return output;
}

std::string ShellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Names need no look at the entry, sizes do: find lists names it cannot size.
FindTotals FindTotalsBelow(const std::string& folder) {
    const std::string find = "find " + ShellQuoted(folder);
    FindTotals totals{.entries = std::stoll(CommandOutput(find + " -mindepth 1 2>/dev/null | wc -l"))};
    std::istringstream sizes(CommandOutput(find + " -type f -printf '%s\\n' 2>/dev/null"));
    for (int64_t size = 0; sizes >> size;) totals.bytes += size;
    return totals;
}

}  // namespace kuvano::bench
