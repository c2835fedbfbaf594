#pragma once

#include <stdexcept>

#include "core/low_space_warning.h"

namespace kuvano::testing {

// Warning digits as the test sets them; unreadable, they fail as a broken control would.
class FakeWarningDigits final : public WarningDigitSource {
public:
    WarningDigits digits{};
    bool unreadable = false;
    WarningDigits CurrentWarningDigits() const override {
        if (unreadable) throw std::runtime_error("the digits cannot be read");
        return digits;
    }
};

}  // namespace kuvano::testing
