#include "folder_size/survey_pool_size.h"

#include <algorithm>

namespace kuvano {

unsigned SurveyPoolSize(unsigned cores, VolumeKind volume) {
    switch (volume) {
        case VolumeKind::SolidState: return std::clamp(cores, 1u, kMostSurveyWorkers);
        case VolumeKind::Network: return kMostSurveyWorkers;
        case VolumeKind::Spinning:
        case VolumeKind::Unknown: break;
    }
    return 1;
}

}  // namespace kuvano
