#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings.h"

namespace kuvano {

inline constexpr size_t kMaxTrayTipCharacters = 63;

// The tray's tooltip: drive name, "ドライブ空き=" (with "約" for rounded
// units) and the free space in the unit, e.g. "Cドライブ空き=約5ギガバイト".
std::u16string TrayTooltip(std::string_view driveName, DisplayUnit unit, int64_t freeBytes,
                           std::u16string_view thousandsSeparator);

// The tip as the notification area gets it: at most 63 characters, cut only
// between characters, never inside a surrogate pair.
std::u16string TrayTipText(std::u16string_view tip);

// At most that many UTF-16 units, cut only between characters.
std::u16string CutToUnits(std::u16string_view text, size_t units);

}  // namespace kuvano
