#include "tray/tray_tooltip.h"

#include "core/drive_name.h"
#include "core/size_text.h"

namespace kuvano {
namespace {

bool IsRoundedUnit(int32_t tani) {
    return tani >= 1 && tani <= 3;
}

}  // namespace

std::u16string TrayTooltip(std::string_view drivenam, int32_t tani, int64_t freeBytes,
                           std::u16string_view thousandsSeparator) {
    std::u16string tip = DriveNameText(drivenam);
    tip += IsRoundedUnit(tani) ? u"ドライブ空き=約" : u"ドライブ空き=";
    tip += FormatGrouped(BytesInUnit(freeBytes, tani), thousandsSeparator);
    tip += UnitWord(tani);
    return tip;
}

}  // namespace kuvano
