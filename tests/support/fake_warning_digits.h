#pragma once

#include "core/low_space_warning.h"

namespace kuvano::testing {

// Warning digits as the test sets them.
class FakeWarningDigits final : public WarningDigitSource {
public:
    WarningDigits digits{};
    WarningDigits CurrentWarningDigits() const override { return digits; }
};

}  // namespace kuvano::testing
