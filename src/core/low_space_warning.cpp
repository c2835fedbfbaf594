#include "core/low_space_warning.h"

#include <algorithm>
#include <array>

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

// Integer division truncates toward zero exactly as the extended-precision
// quotient would.
bool LowSpaceWarning::IsLow(int64_t freeBytes) const {
    return sizeMiB_ != 0 && freeBytes / kBytesPerMiB <= sizeMiB_;
}

bool LowSpaceWarning::WarningBeat(BlinkFlag& blinkFlag, int64_t freeBytes) const {
    if (!IsLow(freeBytes)) return false;
    blinkFlag ^= 1;
    return blinkFlag == 1;
}

}  // namespace kuvano
