#include "platform/locale_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/size_text.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

std::wstring LocaleText(LCTYPE type) {
    wchar_t text[16]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 16);
    return text;
}

// The system's own number format, without its decimals.
std::wstring SystemInteger(const wchar_t* digits) {
    wchar_t formatted[64]{};
    EXPECT_GT(GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, digits, nullptr, formatted, 64), 0);
    const std::wstring text = formatted;
    return text.substr(0, text.find(LocaleText(LOCALE_SDECIMAL)));
}

// "#,##0" must read as the system writes numbers. Only numbers of one group
// separator are compared: Wine repeats no group for "3;0", Windows does.
TEST(UserThousandsSeparator, GroupsAsTheSystemFormatsNumbers) {
    ASSERT_EQ(LocaleText(LOCALE_SGROUPING).substr(0, 1), L"3") << "the comparison assumes groups of three";
    EXPECT_EQ(std::wstring(Wide(FormatGrouped(1234, UserThousandsSeparator()))), SystemInteger(L"1234"));
    EXPECT_EQ(std::wstring(Wide(FormatGrouped(567890, UserThousandsSeparator()))), SystemInteger(L"567890"));
    EXPECT_EQ(std::wstring(Wide(FormatGrouped(999, UserThousandsSeparator()))), SystemInteger(L"999"));
}

}  // namespace
}  // namespace kuvano
