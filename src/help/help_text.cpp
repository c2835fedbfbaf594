#include "help/help_text.h"

namespace kuvano {

std::vector<std::string> HelpTextLines(std::string_view utf8Text) {
    std::vector<std::string> lines;
    while (!utf8Text.empty()) {
        const size_t lineFeed = utf8Text.find('\n');
        std::string_view line = utf8Text.substr(0, lineFeed);
        // A CR belongs to the line ending only when an LF follows it.
        if (lineFeed != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        if (lineFeed == std::string_view::npos) break;
        utf8Text.remove_prefix(lineFeed + 1);
    }
    return lines;
}

}  // namespace kuvano
