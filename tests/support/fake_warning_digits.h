#pragma once

#include <gtest/gtest.h>

#include "core/low_space_warning.h"
#include "core/settings.h"
#include "support/fake_drive_platform.h"

namespace kuvano::testing {

// Warning digits as the test sets them.
class FakeWarningDigits final : public WarningDigitSource {
public:
    WarningDigits digits{};
    WarningDigits CurrentWarningDigits() const override { return digits; }
};

// What every display of a drive reads: the settings, the drives and the warning.
struct DriveDisplayTest : ::testing::Test {
    Settings settings;
    FakeDrivePlatform drives;
    FakeWarningDigits digits;
    LowSpaceWarning warning{digits};
};

}  // namespace kuvano::testing
