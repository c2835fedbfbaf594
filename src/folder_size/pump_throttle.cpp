#include "folder_size/pump_throttle.h"

namespace kuvano {

bool PumpThrottle::Due(Clock::time_point now) {
    if (started_ && now - last_ < interval_) return false;
    started_ = true;
    last_ = now;
    return true;
}

}  // namespace kuvano
