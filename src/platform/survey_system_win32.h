#pragma once

#include "core/survey_system.h"

namespace kuvano {

// The system as a folder survey reaches it on Windows.
SurveySystem SurveySystemWin32();

}  // namespace kuvano
