#include "platform/dll_search_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace kuvano {
namespace {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH]{};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program(path, length);
    return program.substr(0, program.rfind(L'\\') + 1);
}

// A DLL planted beside the program loads until the search is restricted,
// and never after. The restriction holds for the whole process, so the test
// lifts it again for the tests after it.
TEST(DllSearch, APlantedDllBesideTheProgramIsNoLongerLoaded) {
    wchar_t system[MAX_PATH]{};
    ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
    const std::wstring planted = ProgramFolder() + L"kuvano-planted.dll";
    ASSERT_TRUE(CopyFileW((std::wstring(system) + L"\\msimg32.dll").c_str(), planted.c_str(), FALSE));

    const HMODULE before = LoadLibraryW(L"kuvano-planted.dll");
    EXPECT_NE(before, nullptr) << "the usual search looks beside the program";
    if (before) FreeLibrary(before);

    EXPECT_TRUE(RestrictDllSearchToSystemFolder());
    EXPECT_EQ(LoadLibraryW(L"kuvano-planted.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    const HMODULE fromSystem = LoadLibraryW(L"msimg32.dll");
    EXPECT_NE(fromSystem, nullptr) << "system DLLs still load";
    if (fromSystem) FreeLibrary(fromSystem);

    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    SetDllDirectoryW(nullptr);
    DeleteFileW(planted.c_str());
}

}  // namespace
}  // namespace kuvano
