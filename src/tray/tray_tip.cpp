#include "tray/tray_tip.h"

#include "core/drive_name.h"
#include "core/size_text.h"

namespace kuvano {
namespace {

bool StartsSurrogatePair(std::u16string_view text, size_t at) {
    return at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF && text[at + 1] >= 0xDC00 &&
           text[at + 1] <= 0xDFFF;
}

}  // namespace

std::u16string TrayTooltip(std::string_view driveName, DisplayUnit unit, int64_t freeBytes,
                           std::u16string_view thousandsSeparator) {
    std::u16string tip = DriveNameText(driveName);
    tip += u"ドライブ空き=";
    tip += AboutMark(unit);
    tip += FormatGrouped(BytesInUnit(freeBytes, unit), thousandsSeparator);
    tip += UnitWord(unit);
    return tip;
}

std::u16string TrayTipText(std::u16string_view tip) {
    size_t end = 0;
    for (size_t characters = 0; end < tip.size() && characters < kMaxTrayTipCharacters; ++characters) {
        end += StartsSurrogatePair(tip, end) ? 2 : 1;
    }
    return std::u16string(tip.substr(0, end));
}

std::u16string CutToUnits(std::u16string_view text, size_t units) {
    if (text.size() <= units) return std::u16string(text);
    const bool splitsPair = units > 0 && StartsSurrogatePair(text, units - 1);
    return std::u16string(text.substr(0, splitsPair ? units - 1 : units));
}

}  // namespace kuvano
