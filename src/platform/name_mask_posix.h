#pragma once

#include <locale.h>

#include <string_view>

namespace kuvano {

// Matches names against a find mask as the system does: "*" stands for any
// run of characters, "?" for one UTF-16 unit, and letters match without
// regard to case, in every script the C library's Unicode locale knows.
class NameMask {
public:
    NameMask();
    ~NameMask();
    NameMask(const NameMask&) = delete;
    NameMask& operator=(const NameMask&) = delete;

    static bool MatchesEverything(std::u16string_view mask) { return mask == u"*" || mask == u"*.*"; }
    bool Matches(std::u16string_view mask, std::u16string_view name) const;

private:
    char16_t Upper(char16_t unit) const;

    locale_t unicode_;
};

}  // namespace kuvano
