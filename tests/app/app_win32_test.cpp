// The built Kuvano.exe's image. The clock's beats leak nothing: the soak sees that.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace kuvano {
namespace {

// A hardened 64-bit GUI program that imports system DLLs only, with the
// manifest that gives it its controls.
TEST(ProgramImage, IsAHardened64BitGuiProgramImportingOnlySystemDllsWithItsManifest) {
    const char* exe = std::getenv("KUVANO_EXE");
    ASSERT_NE(exe, nullptr) << "KUVANO_EXE must name the Kuvano.exe under test";
    const HMODULE module =
        LoadLibraryExW(std::wstring(exe, exe + std::strlen(exe)).c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    // Mapped as an image, flagged in the handle's low bits.
    const auto* base = reinterpret_cast<const char*>(reinterpret_cast<uintptr_t>(module) & ~uintptr_t{3});
    const auto* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_OPTIONAL_HEADER64& optional = nt->OptionalHeader;
    EXPECT_EQ(optional.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_NE(optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size, 0u) << "a relocation table";
    for (const int flag : {IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA,
                           IMAGE_DLLCHARACTERISTICS_NX_COMPAT})
        EXPECT_EQ(optional.DllCharacteristics & flag, flag) << std::hex << flag;
    wchar_t system[MAX_PATH]{};
    ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
    for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
             base + optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
         import->Name != 0; ++import) {
        const std::string dll = base + import->Name;
        const std::wstring inSystem = std::wstring(system) + L"\\" + std::wstring(dll.begin(), dll.end());
        EXPECT_NE(GetFileAttributesW(inSystem.c_str()), INVALID_FILE_ATTRIBUTES) << dll << " is not a system DLL";
    }
    // Without version 6 of the common controls every window looks a generation old.
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(resource, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                               SizeofResource(module, resource));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos) << manifest;
    FreeLibrary(module);
}

}  // namespace
}  // namespace kuvano
