#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kuvano {

// Splits the help text (UTF-8, CR LF lines) into its display lines. A bare LF
// also ends a line; a final line ending does not start an extra empty line.
std::vector<std::string> HelpTextLines(std::string_view utf8Text);

}  // namespace kuvano
