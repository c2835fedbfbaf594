#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "folder_size/survey_row.h"

namespace kuvano {

// How much is remembered: the last complete survey of this many base
// folders, and this many rows in all.
inline constexpr size_t kRememberedFolders = 32;
inline constexpr size_t kRememberedRows = 200'000;

// The remembered surveys as the bytes of their file, and back: each survey's
// base folder, end and rows (folder, bytes, entries), with texts as UTF-16
// units, so that every path comes back exactly. The file starts with a mark
// of its own and ends with a check of all before it.
std::string EncodeSurveys(const std::vector<SurveyRecord>& records);
// A truncated, damaged, hand-edited or foreign file, or one beyond the
// bounds above, gives nothing: it is never trusted half-way.
std::optional<std::vector<SurveyRecord>> DecodeSurveys(std::string_view bytes);

}  // namespace kuvano
