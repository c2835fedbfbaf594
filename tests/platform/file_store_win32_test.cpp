#include "platform/file_store_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using testing::ReadFileBytes;

const std::string kOld = "[setei]\r\ntani=1\r\n";

// The mounts that with-scratch-mounts.sh prepares.
std::wstring ScratchMount(const wchar_t* name) {
    const char* scratch = std::getenv("KUVANO_SCRATCH");
    if (!scratch) ADD_FAILURE() << "KUVANO_SCRATCH is not set: run through with-scratch-mounts.sh";
    const std::string narrow = scratch ? scratch : "";
    return std::wstring(narrow.begin(), narrow.end()) + L"\\" + name;
}

std::set<std::wstring> NamesIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// Fills the mount but for less than a block.
void Fill(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string block(512, 'f');
    DWORD written = 0;
    while (WriteFile(file, block.data(), 512, &written, nullptr) && written > 0) {
    }
    CloseHandle(file);
}

// A save goes through a temporary file and one rename, or in place where the
// folder refuses both; it never leaves a stray file, and a failed one leaves
// the old file as it was (in place on a full disk would have truncated it).
TEST(FileStoreWin32, ReplacesTheWholeFileOrKeepsTheOldOneOnEveryKindOfFolder) {
    testing::ScratchFolder scratch(L"store");
    testing::WriteFileBytes(scratch.File(L"old.ini"), kOld);
    CreateDirectoryW(scratch.File(L"dir.ini").c_str(), nullptr);
    testing::WriteFileBytes(ScratchMount(L"full\\Kuvano.ini"), kOld);
    Fill(ScratchMount(L"full\\filler"));
    struct Case {
        std::wstring path;
        bool replaced;
    };
    const Case cases[] = {
        {scratch.File(L"old.ini"), true},           {scratch.File(L"new.ini"), true},
        {scratch.File(L"dir.ini"), false},          {ScratchMount(L"readonly\\Kuvano.ini"), false},
        {ScratchMount(L"sealed\\Kuvano.ini"), true}, {ScratchMount(L"sealed\\locked.ini"), false},
        {ScratchMount(L"full\\Kuvano.ini"), false},
    };
    const FileStoreWin32 store;
    for (const Case& c : cases) {
        const std::wstring folder = c.path.substr(0, c.path.rfind(L'\\'));
        std::set<std::wstring> names = NamesIn(folder);
        EXPECT_EQ(store.ReplaceWhole(FromWide(c.path), "short"), c.replaced) << c.path;
        if (c.replaced) {
            EXPECT_EQ(ReadFileBytes(c.path), "short") << c.path;
            names.insert(c.path.substr(folder.size() + 1));
        } else if (c.path != scratch.File(L"dir.ini")) {
            EXPECT_EQ(ReadFileBytes(c.path), kOld) << c.path;
        }
        EXPECT_EQ(NamesIn(folder), names) << c.path;
    }
    DeleteFileW(ScratchMount(L"full\\filler").c_str());
    EXPECT_TRUE(store.ReplaceWhole(FromWide(ScratchMount(L"full\\Kuvano.ini")), std::string(32 * 1024, 'n')));
    DeleteFileW(ScratchMount(L"full\\Kuvano.ini").c_str());
}

TEST(FileStoreWin32, ReadsWholeFilesAndTellsMissingFromUnreadable) {
    testing::ScratchFolder folder(L"store-read");
    std::string bytes(1 << 20, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    testing::WriteFileBytes(folder.File(L"data.ini"), bytes);
    const FileStoreWin32 store;
    const auto read = store.ReadWhole(FromWide(folder.File(L"data.ini")));
    EXPECT_EQ(read.status, FileStore::ReadStatus::Read);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(store.ReadWhole(FromWide(folder.File(L"none.ini"))).status, FileStore::ReadStatus::Missing);
    EXPECT_EQ(store.ReadWhole(FromWide(folder.File(L"none\\x.ini"))).status, FileStore::ReadStatus::Missing);
    EXPECT_EQ(store.ReadWhole(FromWide(folder.Path())).status, FileStore::ReadStatus::Failed);
}

}  // namespace
}  // namespace kuvano
