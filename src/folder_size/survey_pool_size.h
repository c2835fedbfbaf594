#pragma once

#include <optional>

namespace kuvano {

inline constexpr unsigned kMostSurveyWorkers = 8;

// How many threads measure a survey's subfolders: one per core, at most
// eight, and one alone on a disk that seeks or that cannot say (cores 0:
// unknown).
unsigned SurveyPoolSize(unsigned cores, std::optional<bool> seekPenalty);

}  // namespace kuvano
