#include "platform/name_mask_posix.h"

#include <wctype.h>

namespace kuvano {

// Without a Unicode locale on the system, the C locale still folds ASCII.
NameMask::NameMask() : unicode_(newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr)) {
    if (unicode_ == nullptr) unicode_ = newlocale(LC_CTYPE_MASK, "C", nullptr);
}

NameMask::~NameMask() {
    freelocale(unicode_);
}

char16_t NameMask::Upper(char16_t unit) const {
    const wint_t upper = towupper_l(unit, unicode_);
    return upper <= 0xFFFF ? static_cast<char16_t>(upper) : unit;
}

// Greedy, going back only to the last "*" met: a later "*" covers all an earlier one could.
bool NameMask::Matches(std::u16string_view mask, std::u16string_view name) const {
    if (MatchesEverything(mask)) return true;
    constexpr size_t kNoStar = std::u16string_view::npos;
    size_t m = 0;
    size_t n = 0;
    size_t star = kNoStar;
    size_t resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            star = m++;
            resume = n;
        } else if (m < mask.size() && (mask[m] == u'?' || Upper(mask[m]) == Upper(name[n]))) {
            ++m;
            ++n;
        } else if (star != kNoStar) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*') ++m;
    return m == mask.size();
}

}  // namespace kuvano
