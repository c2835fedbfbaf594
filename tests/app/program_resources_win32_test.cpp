// What the built Kuvano.exe carries: a 64-bit GUI program with no runtime
// DLLs of the compiler beside it, its manifest, version 4.3 and its icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/program_icon.h"
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

TEST(ProgramImage, IsA64BitGuiProgramThatNeedsNoCompilerRuntime) {
    const std::string image = testing::ReadFileBytes(ProgramPath());
    const uint32_t pe = Read32(image, 0x3C);
    ASSERT_EQ(image.substr(pe, 4), std::string("PE\0\0", 4));
    EXPECT_EQ(Read32(image, pe + 4) & 0xFFFF, 0x8664u);   // x64
    EXPECT_EQ(Read32(image, pe + 24 + 68) & 0xFFFF, 2u);  // the GUI subsystem
    std::string lower = image;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return static_cast<char>(tolower(c)); });
    for (const char* runtime : {"libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll"}) {
        EXPECT_EQ(lower.find(runtime), std::string::npos) << runtime;
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
