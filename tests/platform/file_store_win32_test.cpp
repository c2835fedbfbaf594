// The settings file's store on real mounts.
#include "platform/file_store_win32.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

// The mounts that with-scratch-mounts.sh prepares.
std::wstring Mount(const wchar_t* path) {
    const wchar_t* scratch = _wgetenv(L"KUVANO_SCRATCH");
    if (!scratch) ADD_FAILURE() << "KUVANO_SCRATCH is not set: run through with-scratch-mounts.sh";
    return std::wstring(scratch ? scratch : L"") + L"\\" + path;
}

std::set<std::wstring> NamesIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// A save goes through a temporary file and one rename, or in place where the
// folder refuses both; it leaves no stray file, and a failed one leaves the
// old file as it was (in place, a full disk would have truncated it).
TEST(FileStoreWin32, ReplacesTheWholeFileOrKeepsTheOldOneInEveryKindOfFolder) {
    const std::string old = "[setei]\r\ntani=1\r\n";
    testing::ScratchFolder scratch(L"store");
    testing::WriteFileBytes(scratch.File(L"old.ini"), old);
    testing::WriteFileBytes(Mount(L"full\\Kuvano.ini"), old);
    const std::wstring fillerPath = Mount(L"full\\filler");
    const HANDLE filler = CreateFileW(fillerPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD written = 0;
    while (WriteFile(filler, old.data(), static_cast<DWORD>(old.size()), &written, nullptr) && written > 0) {
    }
    CloseHandle(filler);
    const std::pair<std::wstring, bool> cases[] = {
        {scratch.File(L"old.ini"), true},        {scratch.File(L"new.ini"), true},
        {Mount(L"readonly\\Kuvano.ini"), false}, {Mount(L"full\\Kuvano.ini"), false},
        {Mount(L"sealed\\Kuvano.ini"), true},    {Mount(L"sealed\\locked.ini"), false},
    };
    const FileStoreWin32 store;
    for (const auto& [path, replaced] : cases) {
        const std::wstring folder = path.substr(0, path.rfind(L'\\'));
        std::set<std::wstring> names = NamesIn(folder);
        EXPECT_EQ(store.ReplaceWhole(FromWide(path), "short"), replaced) << path;
        EXPECT_EQ(store.ReadWhole(FromWide(path)).bytes, replaced ? "short" : old) << path;
        names.insert(path.substr(folder.size() + 1));
        EXPECT_EQ(NamesIn(folder), names) << path;
    }
    DeleteFileW(fillerPath.c_str());
    DeleteFileW(Mount(L"full\\Kuvano.ini").c_str());
    EXPECT_EQ(store.ReadWhole(FromWide(scratch.File(L"none\\x.ini"))).status, FileStore::ReadStatus::Missing);
    ASSERT_TRUE(CreateDirectoryW(scratch.File(L"dir.ini").c_str(), nullptr));
    EXPECT_EQ(store.ReadWhole(FromWide(scratch.File(L"dir.ini"))).status, FileStore::ReadStatus::Failed);
    EXPECT_FALSE(store.ReplaceWhole(FromWide(scratch.File(L"dir.ini")), "x")) << "a folder in the file's place";
}

// Another program's moment on the file (a virus scanner, a sync client) only
// delays a save. A hold that lasts makes it fail: ApplicationTest's session end.
TEST(FileStoreWin32, WaitsOutABriefHoldOnTheFile) {
    testing::ScratchFolder scratch(L"held");
    const std::wstring path = scratch.File(L"Kuvano.ini");
    testing::WriteFileBytes(path, "old");
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] { Sleep(100), CloseHandle(held); });
    const FileStoreWin32 store;
    EXPECT_TRUE(store.ReplaceWhole(FromWide(path), "new"));
    release.join();
    EXPECT_EQ(store.ReadWhole(FromWide(path)).bytes, "new");
}

}  // namespace
}  // namespace kuvano
