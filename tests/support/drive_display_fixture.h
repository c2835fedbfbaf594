#pragma once

#include <gtest/gtest.h>

#include "core/low_space_warning.h"
#include "core/settings.h"
#include "support/fake_drive_platform.h"

namespace kuvano::testing {

// What every display of a drive reads: the settings, the drives and the warning.
struct DriveDisplayTest : ::testing::Test {
    Settings settings;
    FakeDrivePlatform drives;
    LowSpaceWarning warning{WarningDigits{}};
};

}  // namespace kuvano::testing
