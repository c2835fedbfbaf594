#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings.h"

namespace kuvano {

// The fill of a drive in 14 characters: "o" for each used step, "-" for each
// free one, as the coloured and white parts of the tray pictures. The warning
// frame (14) is all "-".
std::u16string SpacePattern(int32_t level);

// One line of the settings panel's drive list, e.g.
// "C oooooooooo---- 空き=約12,288/40,960メガバイト Local Disk (C:)".
// A unit with no name is shown in bytes, as the tray shows it.
std::u16string DriveLine(char letter, DisplayUnit unit, int64_t freeBytes, int64_t totalBytes, int32_t level,
                         std::u16string_view displayName, std::u16string_view thousandsSeparator);

}  // namespace kuvano
