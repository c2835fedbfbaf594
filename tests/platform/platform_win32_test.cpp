// The Win32 helpers of the platform layer against the system they wrap.
#include "platform/dll_search_win32.h"
#include "platform/drive_platform_win32.h"
#include "platform/locale_win32.h"
#include "platform/unique_handle_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/size_text.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

// A DLL planted beside the program loads until the search is restricted,
// and never after. The restriction holds for the whole process, so the test
// lifts it again for the tests after it.
TEST(DllSearch, APlantedDllBesideTheProgramIsNoLongerLoaded) {
    wchar_t system[MAX_PATH]{};
    wchar_t program[MAX_PATH]{};
    ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
    ASSERT_NE(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
    std::wstring planted = program;
    planted = planted.substr(0, planted.rfind(L'\\') + 1) + L"kuvano-planted.dll";
    ASSERT_TRUE(CopyFileW((std::wstring(system) + L"\\msimg32.dll").c_str(), planted.c_str(), FALSE));

    const HMODULE before = LoadLibraryW(L"kuvano-planted.dll");
    EXPECT_NE(before, nullptr) << "the usual search looks beside the program";
    FreeLibrary(before);
    EXPECT_TRUE(RestrictDllSearchToSystemFolder());
    EXPECT_EQ(LoadLibraryW(L"kuvano-planted.dll"), nullptr);
    const HMODULE fromSystem = LoadLibraryW(L"msimg32.dll");
    EXPECT_NE(fromSystem, nullptr) << "system DLLs still load";
    FreeLibrary(fromSystem);

    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    SetDllDirectoryW(nullptr);
    DeleteFileW(planted.c_str());
}

// T: is a 16 MiB tmpfs holding one 1 MiB file (with-scratch-mounts.sh); Q:
// a CD drive of the test prefix; P: no drive at all.
TEST(DrivePlatformWin32, AnswersTypeAndExactSpaceAndPutsTheErrorModeBack) {
    constexpr int64_t kMiB = 1'048'576;
    const DrivePlatformWin32 drives;
    ASSERT_TRUE(SetThreadErrorMode(SEM_NOGPFAULTERRORBOX, nullptr));
    EXPECT_EQ(drives.Kind(u"T:\\"), DriveKind::Fixed);
    EXPECT_EQ(drives.Kind(u"Q:\\"), DriveKind::CdRom);
    EXPECT_EQ(drives.Kind(u"P:\\"), DriveKind::NoRootDirectory);
    EXPECT_EQ(drives.Kind(u"\\:\\"), DriveKind::NoRootDirectory);
    EXPECT_EQ(drives.Space(u"T:\\"), (DriveSpace{15 * kMiB, 16 * kMiB}));
    EXPECT_EQ(drives.Space(u"P:\\"), DriveSpace{});
    EXPECT_EQ(GetThreadErrorMode(), static_cast<DWORD>(SEM_NOGPFAULTERRORBOX));
    SetThreadErrorMode(0, nullptr);
    EXPECT_NE(drives.DisplayName(u"C:\\").find(u"C:"), std::u16string::npos);
}

// "#,##0" must read as the system writes numbers. Only numbers of one group
// separator are compared: Wine repeats no group for "3;0", Windows does.
TEST(UserThousandsSeparator, GroupsAsTheSystemFormatsNumbers) {
    wchar_t grouping[16]{};
    wchar_t decimal[16]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SGROUPING, grouping, 16);
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 16);
    ASSERT_EQ(grouping[0], L'3') << "the comparison assumes groups of three";
    for (const wchar_t* digits : {L"999", L"1234", L"567890"}) {
        wchar_t formatted[64]{};
        ASSERT_GT(GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, digits, nullptr, formatted, 64), 0);
        const std::wstring system = formatted;
        EXPECT_EQ(std::wstring(Wide(FormatGrouped(std::stoll(digits), UserThousandsSeparator()))),
                  system.substr(0, system.find(decimal)));
    }
}

// The count of held handles is what the soak test trusts to find a leak.
TEST(UniqueHandle, CountsTheHandlesItsWrappersHold) {
    const long long before = UniqueBrush::Held();
    {
        UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
        UniqueBrush none(nullptr);
        none = std::move(red);
        none.reset(CreateSolidBrush(RGB(0, 0, 255)));
        EXPECT_EQ(UniqueBrush::Held(), before + 1) << "moves keep the count; a reset closes the old handle";
        DeleteObject(none.release());
        EXPECT_EQ(UniqueBrush::Held(), before);
        none.reset(CreateSolidBrush(0));
    }
    EXPECT_EQ(UniqueBrush::Held(), before);
}

}  // namespace
}  // namespace kuvano
