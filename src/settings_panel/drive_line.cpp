#include "settings_panel/drive_line.h"

#include <algorithm>

#include "core/free_level.h"
#include "core/size_text.h"

namespace kuvano {

std::u16string SpacePattern(int32_t level) {
    const auto free = static_cast<size_t>(std::clamp(level, 0, kFreeSteps));
    return std::u16string(static_cast<size_t>(kFreeSteps) - free, u'o') + std::u16string(free, u'-');
}

std::u16string DriveLine(char letter, DisplayUnit unit, int64_t freeBytes, int64_t totalBytes, int32_t level,
                         std::u16string_view displayName, std::u16string_view thousandsSeparator) {
    std::u16string line(1, static_cast<char16_t>(letter));
    line += u" ";
    line += SpacePattern(level);
    line += u" 空き=";
    line += AboutMark(unit);
    line += FormatGrouped(BytesInUnit(freeBytes, unit), thousandsSeparator);
    line += u"/";
    line += FormatGrouped(BytesInUnit(totalBytes, unit), thousandsSeparator);
    line += UnitWord(unit);
    line += u" ";
    line += displayName;
    return line;
}

}  // namespace kuvano
