#include "core/low_space_warning.h"

#include <algorithm>

#include "core/size_text.h"

namespace kuvano {
namespace {

constexpr std::array<int32_t, 6> kDigitWeightsMiB{102'400, 10'240, 1'024, 100, 10, 1};

}  // namespace

int32_t WarningSize(const WarningDigits& digits) {
    int32_t size = 0;
    for (size_t place = 0; place < digits.size(); ++place) {
        size += std::clamp(digits[place], 0, 9) * kDigitWeightsMiB[place];
    }
    return size;
}

void LowSpaceWarning::DoTenmetu(int32_t maxLevel, BlinkFlag& blinkFlag, int64_t freeBytes, int32_t& level,
                                int32_t& freePercent) const {
    const int32_t warningSize = WarningSize(digits_.CurrentWarningDigits());
    if (warningSize == 0) return;  // all digits 0: the warning is off
    // Integer division truncates toward zero exactly as the extended-precision
    // quotient would.
    const int64_t freeMiB = freeBytes / kBytesPerMiB;
    if (warningSize < freeMiB) return;
    blinkFlag ^= 1;
    if (blinkFlag == 1) {
        level = maxLevel + 1;
        freePercent = 0;
    }
}

}  // namespace kuvano
