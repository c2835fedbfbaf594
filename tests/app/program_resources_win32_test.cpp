// What the built Kuvano.exe carries: a hardened 64-bit GUI program that
// imports system DLLs only, its manifest, version 4.3 and its icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "art/program_icon.h"
#include "resource_ids.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

std::wstring ProgramPath() {
    const char* exe = std::getenv("KUVANO_EXE");
    if (!exe) ADD_FAILURE() << "KUVANO_EXE must name the Kuvano.exe under test";
    const std::string narrow = exe ? exe : "";
    return {narrow.begin(), narrow.end()};
}

uint32_t Read32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof(value));
    return value;
}

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ =
            LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }
    HMODULE module_ = nullptr;
};

// The parts of the image's headers the checks below read.
struct ImageHeaders {
    uint32_t pe;        // offset of the "PE" signature
    uint32_t optional;  // offset of the optional header
    uint32_t sections;  // offset of the section table
    uint16_t sectionCount;
};

ImageHeaders HeadersOf(const std::string& image) {
    const uint32_t pe = Read32(image, 0x3C);
    const auto sizeOfOptional = static_cast<uint16_t>(Read32(image, pe + 20) & 0xFFFF);
    return {pe, pe + 24, pe + 24 + sizeOfOptional, static_cast<uint16_t>(Read32(image, pe + 6) & 0xFFFF)};
}

// The file offset of a relative virtual address, through the section table.
size_t FileOffset(const std::string& image, const ImageHeaders& headers, uint32_t rva) {
    for (uint16_t i = 0; i < headers.sectionCount; ++i) {
        const size_t section = headers.sections + i * 40u;
        const uint32_t address = Read32(image, section + 12);
        const uint32_t rawSize = Read32(image, section + 16);
        if (rva >= address && rva < address + rawSize) return Read32(image, section + 20) + (rva - address);
    }
    throw std::out_of_range("address outside every section");
}

// The names of the DLLs the image imports from, in lower case.
std::vector<std::string> ImportedDlls(const std::string& image, const ImageHeaders& headers) {
    constexpr uint32_t kImportDirectory = 112 + 1 * 8;  // data directory 1 of a PE32+ optional header
    std::vector<std::string> names;
    size_t descriptor = FileOffset(image, headers, Read32(image, headers.optional + kImportDirectory));
    for (; Read32(image, descriptor + 12) != 0; descriptor += 20) {
        std::string name = image.c_str() + FileOffset(image, headers, Read32(image, descriptor + 12));
        std::transform(name.begin(), name.end(), name.begin(), [](char c) { return static_cast<char>(tolower(c)); });
        names.push_back(name);
    }
    return names;
}

TEST(ProgramImage, IsAHardened64BitGuiProgramThatImportsOnlySystemDlls) {
    const std::string image = testing::ReadFileBytes(ProgramPath());
    const ImageHeaders headers = HeadersOf(image);
    ASSERT_EQ(image.substr(headers.pe, 4), std::string("PE\0\0", 4));
    EXPECT_EQ(Read32(image, headers.pe + 4) & 0xFFFF, 0x8664u);                  // x64
    EXPECT_EQ(Read32(image, headers.optional) & 0xFFFF, 0x20Bu);                 // PE32+
    EXPECT_EQ(Read32(image, headers.optional + 68) & 0xFFFF, 2u);                // the GUI subsystem
    EXPECT_EQ(Read32(image, headers.pe + 22) & IMAGE_FILE_RELOCS_STRIPPED, 0u);  // relocatable
    EXPECT_NE(Read32(image, headers.optional + 112 + 5 * 8 + 4), 0u) << "a base relocation table";
    const uint32_t dllCharacteristics = Read32(image, headers.optional + 70) & 0xFFFF;
    for (const uint32_t flag : {IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA,
                                IMAGE_DLLCHARACTERISTICS_NX_COMPAT}) {
        EXPECT_EQ(dllCharacteristics & flag, flag) << std::hex << flag;
    }

    wchar_t system[MAX_PATH]{};
    ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
    const std::vector<std::string> imports = ImportedDlls(image, headers);
    EXPECT_FALSE(imports.empty());
    for (const std::string& dll : imports) {
        for (const char* runtime : {"libstdc++", "libgcc", "libwinpthread"})
            EXPECT_FALSE(dll.starts_with(runtime)) << dll;
        // Loaded only while the colour dialog is open: it pulls in printing.
        EXPECT_NE(lstrcmpiA(dll.c_str(), "comdlg32.dll"), 0) << "imports the common dialogs";
        const std::wstring inSystem = std::wstring(system) + L"\\" + std::wstring(dll.begin(), dll.end());
        EXPECT_TRUE(testing::FileExists(inSystem)) << dll << " is not a system DLL";
    }
}

TEST_F(ProgramResources, EmbedsItsManifest) {
    const HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(resource, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, resource)));
    const std::string manifest(data, SizeofResource(module_, resource));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);  // Windows 10 and 11
}

TEST_F(ProgramResources, CarriesVersion4Point3) {
    const std::wstring path = ProgramPath();
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(3, 4));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\041104B0\\FileVersion", reinterpret_cast<void**>(&text),
                               &length));
    EXPECT_STREQ(text, L"4.3");
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\041104B0\\ProductName", reinterpret_cast<void**>(&text),
                               &length));
    EXPECT_STREQ(text, L"Kuvano");
}

// The icon as the system loads it, pixel by pixel against the pixel art.
void ExpectIconMatches(HMODULE module, const PixelImage& art) {
    const auto icon =
        static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_KUVANO), IMAGE_ICON, art.width, art.height, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = art.width;
    format.bmiHeader.biHeight = -art.height;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> colour(static_cast<size_t>(art.width * art.height));
    std::vector<uint32_t> mask(colour.size());
    const HDC screen = GetDC(nullptr);
    ASSERT_EQ(
        GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(art.height), colour.data(), &format, DIB_RGB_COLORS),
        art.height);
    ASSERT_EQ(GetDIBits(screen, info.hbmMask, 0, static_cast<UINT>(art.height), mask.data(), &format, DIB_RGB_COLORS),
              art.height);
    ReleaseDC(nullptr, screen);
    for (int y = 0; y < art.height; ++y) {
        for (int x = 0; x < art.width; ++x) {
            const size_t i = static_cast<size_t>(y * art.width + x);
            const Rgba expected = art.At(x, y);
            const bool transparent = (mask[i] & 0xFFFFFF) != 0;
            EXPECT_EQ(transparent, expected.a == 0) << x << "," << y;
            if (expected.a != 0) {
                EXPECT_EQ(colour[i] & 0xFFFFFF, uint32_t{expected.r} << 16 | uint32_t{expected.g} << 8 | expected.b)
                    << x << "," << y;
            }
        }
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(ProgramResources, HasTheStarIconAtBothSizes) {
    ExpectIconMatches(module_, ProgramIcon32());
    ExpectIconMatches(module_, ProgramIcon16());
}

}  // namespace
}  // namespace kuvano
