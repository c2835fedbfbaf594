#pragma once

#include <string>
#include <string_view>

namespace kuvano {

inline constexpr size_t kMaxTrayTipCharacters = 63;

// The tip as the notification area gets it: at most 63 characters, cut only
// between characters, never inside a surrogate pair.
std::u16string TrayTipText(std::u16string_view tip);

}  // namespace kuvano
