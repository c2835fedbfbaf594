#pragma once

#include <string_view>

namespace kuvano {

// How the user's system orders and matches texts.
class TextCollation {
public:
    virtual ~TextCollation() = default;
    // Negative, zero or positive as the user's locale orders the two texts; letter case counts.
    virtual int Compare(std::u16string_view a, std::u16string_view b) const = 0;
    // The same text apart from letter case, as the file system matches names.
    virtual bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) const = 0;
};

}  // namespace kuvano
