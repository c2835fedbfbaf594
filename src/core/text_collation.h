#pragma once

#include <string>
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
    // The text in upper case as the file system matches names: a key under
    // which names equal apart from letter case meet.
    virtual std::u16string UpperCase(std::u16string_view text) const = 0;
};

}  // namespace kuvano
