// The Windows directory known by its identity, however a path spells it.
#include "platform/windows_directory_win32.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

std::wstring InCase(std::wstring text, wint_t (*change)(wint_t)) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(change(static_cast<wint_t>(c)));
    return text;
}

// The folder through a second drive letter. Wine's file system ignores a
// letter that DefineDosDeviceW makes (the call succeeds, the letter opens
// nothing) and has neither symbolic links nor junctions, but reaches every
// folder also through Z:, the Unix root.
std::wstring ThroughOtherLetter(const std::wstring& folder) {
    using UnixFileName = char*(CDECL*)(const wchar_t*);
    const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    char* const unix = unixFileName ? unixFileName(folder.c_str()) : nullptr;
    if (!unix) return {};
    std::wstring path(MAX_PATH * 4, L'\0');
    path.resize(
        static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, unix, -1, path.data(), static_cast<int>(path.size())) - 1));
    HeapFree(GetProcessHeap(), 0, unix);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"Z:" + path;
}

TEST(WindowsDirectoryWin32, KnowsTheFolderHoweverItIsSpeltAndNoOther) {
    testing::ScratchFolder scratch(L"windir");
    const std::wstring windows = scratch.File(L"Windows");
    ASSERT_TRUE(CreateDirectoryW(windows.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(scratch.File(L"Sibling").c_str(), nullptr));
    const std::wstring otherLetter = ThroughOtherLetter(windows);
    ASSERT_TRUE(otherLetter.starts_with(L"Z:\\") && otherLetter.size() > windows.size()) << otherLetter;
    const std::pair<std::wstring, bool> rows[] = {
        {windows, true},
        {L"\\\\?\\" + windows, true},
        {windows + L"\\", true},
        {InCase(windows, std::towupper), true},
        {InCase(windows, std::towlower), true},
        {otherLetter, true},
        {scratch.File(L"Sibling"), false},
        {scratch.File(L"Missing"), false},
    };
    const WindowsDirectoryWin32 recognised(FromWide(windows));
    for (const auto& [folder, is] : rows) EXPECT_EQ(recognised.Is(FromWide(folder)), is) << folder;
    const wchar_t* systemRoot = _wgetenv(L"SystemRoot");
    ASSERT_NE(systemRoot, nullptr);
    EXPECT_TRUE(WindowsDirectoryWin32().Is(FromWide(InCase(systemRoot, std::towupper))));
}

}  // namespace
}  // namespace kuvano
