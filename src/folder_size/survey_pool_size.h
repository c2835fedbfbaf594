#pragma once

#include "core/volume_kind.h"

namespace kuvano {

inline constexpr unsigned kMostSurveyWorkers = 8;

// How many threads measure a survey's subfolders: one per core, at most
// eight (cores 0: unknown, taken as one). A spinning disk, or one that
// cannot say what it is, gets one alone: many walkers there only make the
// head jump about. A network share gets eight whatever the cores, as its
// listings wait on round trips rather than on the processor.
unsigned SurveyPoolSize(unsigned cores, VolumeKind volume);

}  // namespace kuvano
