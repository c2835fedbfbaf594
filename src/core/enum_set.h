#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace kuvano {

// A set of the values of a small enum whose values run from 0 to 31: one bit
// each, so that a set costs what a hand-made mask costs but cannot be mixed
// up with another enum's.
template <typename Enum>
requires std::is_enum_v<Enum>
class EnumSet {
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<Enum> members) {
        for (const Enum member : members) Add(member);
    }

    constexpr bool Has(Enum member) const { return (bits_ & Bit(member)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr EnumSet& Add(Enum member) {
        bits_ |= Bit(member);
        return *this;
    }
    constexpr EnumSet& Remove(Enum member) {
        bits_ &= ~Bit(member);
        return *this;
    }
    constexpr bool operator==(const EnumSet&) const = default;

private:
    static constexpr uint32_t Bit(Enum member) { return uint32_t{1} << static_cast<unsigned>(member); }

    uint32_t bits_ = 0;
};

}  // namespace kuvano
