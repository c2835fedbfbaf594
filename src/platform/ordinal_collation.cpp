#include "platform/ordinal_collation.h"

#include <algorithm>

namespace kuvano {
namespace {

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

}  // namespace

int OrdinalCollation::Compare(std::u16string_view a, std::u16string_view b) const {
    return a.compare(b);
}

bool OrdinalCollation::EqualIgnoringCase(std::u16string_view a, std::u16string_view b) const {
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

std::u16string OrdinalCollation::UpperCase(std::u16string_view text) const {
    std::u16string upper(text);
    std::ranges::transform(upper, upper.begin(), AsciiUpper);
    return upper;
}

}  // namespace kuvano
