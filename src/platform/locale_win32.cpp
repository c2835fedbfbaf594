#include "platform/locale_win32.h"

#include <windows.h>

#include "platform/wide_text_win32.h"

namespace kuvano {

std::u16string UserThousandsSeparator() {
    wchar_t separator[8]{};  // the system allows at most three characters and the terminator
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8) == 0) return u",";
    return FromWide(separator);
}

}  // namespace kuvano
