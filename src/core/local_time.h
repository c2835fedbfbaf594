#pragma once

#include <cstdint>

namespace kuvano {

// Converts file times between local time and UTC as the system does.
class LocalTime {
public:
    virtual ~LocalTime() = default;
    virtual uint64_t LocalToUtc(uint64_t localFileTime) const = 0;
    virtual uint64_t UtcToLocal(uint64_t utcFileTime) const = 0;
    // The present moment as a local file time.
    virtual uint64_t NowLocal() const = 0;
};

}  // namespace kuvano
