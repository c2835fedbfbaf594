#include "tray/tray_tooltip.h"

#include "core/drive_name.h"
#include "core/size_text.h"

namespace kuvano {

std::u16string TrayTooltip(std::string_view drivenam, int32_t tani, int64_t freeBytes,
                           std::u16string_view thousandsSeparator) {
    std::u16string tip = DriveNameText(drivenam);
    tip += u"ドライブ空き=";
    tip += AboutMark(tani);
    tip += FormatGrouped(BytesInUnit(freeBytes, tani), thousandsSeparator);
    tip += UnitWord(tani);
    return tip;
}

}  // namespace kuvano
