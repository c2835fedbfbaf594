#pragma once

#include <string>
#include <string_view>

// The core keeps Windows text as UTF-16 in char16_t strings; the W functions
// take the same units as wchar_t.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

namespace kuvano {

// The same units seen as wchar_t, not copied and not terminated: for calls
// that take a length.
inline std::wstring_view Wide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

// Terminated, as c_str() is.
inline const wchar_t* Wide(const std::u16string& text) {
    return Wide(std::u16string_view(text)).data();
}

// The same units seen as char16_t, not copied.
inline std::u16string_view FromWideView(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(FromWideView(text));
}

}  // namespace kuvano
