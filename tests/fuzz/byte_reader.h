#pragma once

#include <cstddef>
#include <cstdint>

namespace kuvano::fuzz {

// Reads a fuzz input front to back; past its end every byte reads as 0, so
// that any input decodes and hand-made seeds stay easy to write.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return next_ >= size_; }
    uint8_t Byte() { return AtEnd() ? 0 : data_[next_++]; }
    // Little-endian.
    uint64_t U64() {
        uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 8) value |= uint64_t{Byte()} << shift;
        return value;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t next_ = 0;
};

}  // namespace kuvano::fuzz
