// What the built Kuvano.exe carries: a hardened 64-bit GUI program that
// imports system DLLs only, with its manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

std::wstring ProgramPath() {
    const char* exe = std::getenv("KUVANO_EXE");
    if (!exe) ADD_FAILURE() << "KUVANO_EXE must name the Kuvano.exe under test";
    const std::string narrow = exe ? exe : "";
    return {narrow.begin(), narrow.end()};
}

template <typename T>
T At(const std::string& bytes, size_t offset) {
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof(value));
    return value;
}

TEST(ProgramImage, IsAHardened64BitGuiProgramThatImportsOnlySystemDlls) {
    const std::string image = testing::ReadFileBytes(ProgramPath());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + At<uint32_t>(image, 0x3C));
    ASSERT_EQ(nt->Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(nt->FileHeader.Characteristics & IMAGE_FILE_RELOCS_STRIPPED, 0);
    const IMAGE_OPTIONAL_HEADER64& optional = nt->OptionalHeader;
    ASSERT_EQ(optional.Magic, IMAGE_NT_OPTIONAL_HDR64_MAGIC);
    EXPECT_EQ(optional.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_NE(optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size, 0u) << "a relocation table";
    for (const WORD flag : {IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA,
                            IMAGE_DLLCHARACTERISTICS_NX_COMPAT}) {
        EXPECT_EQ(optional.DllCharacteristics & flag, flag) << std::hex << flag;
    }

    // The imports as the loader sees them, through the mapped image.
    const HMODULE mapped = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(mapped, nullptr);
    const auto* base = reinterpret_cast<const char*>(reinterpret_cast<uintptr_t>(mapped) & ~uintptr_t{3});
    const auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
        base + optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    wchar_t system[MAX_PATH]{};
    ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
    int imports = 0;
    for (; import->Name != 0; ++import, ++imports) {
        const std::string dll = base + import->Name;
        // The common dialogs pull in printing: loaded only while the colour dialog is open.
        EXPECT_NE(lstrcmpiA(dll.c_str(), "comdlg32.dll"), 0);
        const std::wstring inSystem = std::wstring(system) + L"\\" + std::wstring(dll.begin(), dll.end());
        EXPECT_NE(GetFileAttributesW(inSystem.c_str()), INVALID_FILE_ATTRIBUTES) << dll << " is not a system DLL";
    }
    EXPECT_GT(imports, 0);
    FreeLibrary(mapped);
}

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(module_, nullptr); }
    void TearDown() override { FreeLibrary(module_); }
    HMODULE module_ =
        LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
};

// Without version 6 of the common controls every window looks a generation old.
TEST_F(ProgramResources, EmbedsAManifestForTheCommonControlsVersion6RunAsInvoker) {
    const HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(resource, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module_, resource))),
                               SizeofResource(module_, resource));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

}  // namespace
}  // namespace kuvano
