#include "platform/text_collation_win32.h"

#include <windows.h>

#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

const wchar_t* Chars(std::u16string_view text) {
    return Wide(text).data();
}

int Length(std::u16string_view text) {
    return static_cast<int>(text.size());
}

}  // namespace

int TextCollationWin32::Compare(std::u16string_view a, std::u16string_view b) const {
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, 0, Chars(a), Length(a), Chars(b), Length(b), nullptr, nullptr, 0) -
           CSTR_EQUAL;
}

bool TextCollationWin32::EqualIgnoringCase(std::u16string_view a, std::u16string_view b) const {
    return CompareStringOrdinal(Chars(a), Length(a), Chars(b), Length(b), TRUE) == CSTR_EQUAL;
}

// The invariant table is the one the file system's own matching follows.
std::u16string TextCollationWin32::UpperCase(std::u16string_view text) const {
    std::u16string upper(text.size(), u'\0');
    if (text.empty()) return upper;
    const int written = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, Chars(text), Length(text),
                                      reinterpret_cast<wchar_t*>(upper.data()), Length(upper), nullptr, nullptr, 0);
    return written == Length(text) ? upper : std::u16string(text);
}

}  // namespace kuvano
