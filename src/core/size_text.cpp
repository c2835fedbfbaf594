#include "core/size_text.h"

namespace kuvano {
namespace {

std::u16string Digits(int64_t value) {
    // Work on the negative side, which holds every int64 including the minimum.
    int64_t rest = value > 0 ? -value : value;
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' - rest % 10));
        rest /= 10;
    } while (rest != 0);
    return digits;
}

std::u16string Grouped(int64_t value, size_t minimumDigits, std::u16string_view separator) {
    std::u16string digits = Digits(value);
    if (digits.size() < minimumDigits) digits.insert(0, minimumDigits - digits.size(), u'0');
    std::u16string text = value < 0 ? u"-" : u"";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
        text += digits[i];
    }
    return text;
}

}  // namespace

int64_t BytesInUnit(int64_t bytes, DisplayUnit unit) {
    switch (unit) {
        case DisplayUnit::Kilobytes: return bytes / 1024;
        case DisplayUnit::Megabytes: return bytes / kBytesPerMiB;
        case DisplayUnit::Gigabytes: return bytes / (kBytesPerMiB * 1024);
        default: return bytes;
    }
}

std::u16string_view UnitWord(DisplayUnit unit) {
    switch (unit) {
        case DisplayUnit::Kilobytes: return u"キロバイト";
        case DisplayUnit::Megabytes: return u"メガバイト";
        case DisplayUnit::Gigabytes: return u"ギガバイト";
        default: return u"バイト";
    }
}

std::u16string_view AboutMark(DisplayUnit unit) {
    switch (unit) {
        case DisplayUnit::Kilobytes:
        case DisplayUnit::Megabytes:
        case DisplayUnit::Gigabytes: return u"約";
        default: return u"";
    }
}

std::u16string FormatGrouped(int64_t value, std::u16string_view thousandsSeparator) {
    return Grouped(value, 1, thousandsSeparator);
}

std::u16string FormatGroupedSixDigits(int64_t value, std::u16string_view thousandsSeparator) {
    return Grouped(value, 6, thousandsSeparator);
}

}  // namespace kuvano
