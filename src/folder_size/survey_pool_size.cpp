#include "folder_size/survey_pool_size.h"

#include <algorithm>

namespace kuvano {

unsigned SurveyPoolSize(unsigned cores, std::optional<bool> seekPenalty) {
    if (seekPenalty != false) return 1;
    return std::clamp(cores, 1u, kMostSurveyWorkers);
}

}  // namespace kuvano
