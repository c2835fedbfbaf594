#include "platform/file_store_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/settings_file.h"
#include "platform/wide_text_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using testing::ReadFileBytes;
using testing::ScratchFolder;
using testing::WriteFileBytes;

std::u16string U16(const std::wstring& path) {
    return FromWide(path);
}

// The mounts that with-scratch-mounts.sh prepares.
std::wstring ScratchMounts() {
    const char* scratch = std::getenv("KUVANO_SCRATCH");
    if (!scratch) ADD_FAILURE() << "KUVANO_SCRATCH is not set: run through with-scratch-mounts.sh";
    const std::string narrow = scratch ? scratch : "";
    return {narrow.begin(), narrow.end()};
}

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

TEST(FileStoreWin32, ReadsWholeFilesAndTellsMissingFromUnreadable) {
    ScratchFolder folder(L"store-read");
    const FileStoreWin32 store;
    std::string bytes(1 << 20, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    WriteFileBytes(folder.File(L"data.ini"), bytes);

    const auto read = store.ReadWhole(U16(folder.File(L"data.ini")));
    EXPECT_EQ(read.status, FileStore::ReadStatus::Read);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(store.ReadWhole(U16(folder.File(L"none.ini"))).status, FileStore::ReadStatus::Missing);
    EXPECT_EQ(store.ReadWhole(U16(folder.File(L"no-folder\\x.ini"))).status, FileStore::ReadStatus::Missing);
    EXPECT_EQ(store.ReadWhole(U16(folder.Path())).status, FileStore::ReadStatus::Failed);  // a folder
}

TEST(FileStoreWin32, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    ScratchFolder folder(L"store-replace");
    const FileStoreWin32 store;
    const std::wstring path = folder.File(L"Kuvano.ini");

    ASSERT_TRUE(store.ReplaceWhole(U16(path), "first, a long text\r\n"));
    EXPECT_EQ(ReadFileBytes(path), "first, a long text\r\n");
    ASSERT_TRUE(store.ReplaceWhole(U16(path), "short"));
    EXPECT_EQ(ReadFileBytes(path), "short");
    ASSERT_TRUE(store.ReplaceWhole(U16(path), ""));
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(FileNamesIn(folder.Path()), std::vector<std::wstring>{L"Kuvano.ini"});
}

TEST(FileStoreWin32, AFolderInThePlaceOfTheFileFailsCleanly) {
    ScratchFolder folder(L"store-folder");
    const FileStoreWin32 store;
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"Kuvano.ini").c_str(), nullptr));
    EXPECT_FALSE(store.ReplaceWhole(U16(folder.File(L"Kuvano.ini")), "x"));
    EXPECT_EQ(FileNamesIn(folder.Path()), std::vector<std::wstring>{L"Kuvano.ini"});
    RemoveDirectoryW(folder.File(L"Kuvano.ini").c_str());
}

TEST(FileStoreWin32, AReadOnlyFolderKeepsTheOldFile) {
    const std::wstring folder = ScratchMounts() + L"\\readonly";
    const std::wstring path = folder + L"\\Kuvano.ini";
    ASSERT_EQ(ReadFileBytes(path), "[setei]\r\ntani=1\r\n");
    const std::vector<std::wstring> filesBefore = FileNamesIn(folder);
    const FileStoreWin32 store;

    EXPECT_FALSE(store.ReplaceWhole(U16(path), "replacement"));

    Settings settings;
    settings.tani = 2;
    const auto error = SaveSettings(settings, store, U16(path));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Message(), U16(path) + u" に書き込めません");
    EXPECT_EQ(ReadFileBytes(path), "[setei]\r\ntani=1\r\n");
    EXPECT_EQ(FileNamesIn(folder), filesBefore);
}

TEST(FileStoreWin32, AFolderThatRefusesNewFilesGetsTheFileWrittenInPlaceUnlessItIsReadOnly) {
    const std::wstring folder = ScratchMounts() + L"\\sealed";
    const std::vector<std::wstring> filesBefore = FileNamesIn(folder);
    const FileStoreWin32 store;

    const std::wstring path = folder + L"\\Kuvano.ini";
    ASSERT_TRUE(store.ReplaceWhole(U16(path), "[setei]\r\ntani=2\r\ndrivenam=D\r\n"));
    EXPECT_EQ(ReadFileBytes(path), "[setei]\r\ntani=2\r\ndrivenam=D\r\n");
    ASSERT_TRUE(store.ReplaceWhole(U16(path), "short"));
    EXPECT_EQ(ReadFileBytes(path), "short");

    const std::wstring locked = folder + L"\\locked.ini";
    ASSERT_TRUE(GetFileAttributesW(locked.c_str()) & FILE_ATTRIBUTE_READONLY);
    Settings settings;
    settings.tani = 2;
    const auto error = SaveSettings(settings, store, U16(locked));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Message(), U16(locked) + u" に書き込めません");
    EXPECT_EQ(ReadFileBytes(locked), "[setei]\r\ntani=1\r\n");
    EXPECT_EQ(FileNamesIn(folder), filesBefore);
}

// Writing in place would have truncated the file before running out of room.
TEST(FileStoreWin32, AFullDiskKeepsTheOldFile) {
    const std::wstring folder = ScratchMounts() + L"\\full";
    const std::wstring path = folder + L"\\Kuvano.ini";
    const std::wstring filler = folder + L"\\filler";
    const std::string old = "[setei]\r\ntani=1\r\n";
    WriteFileBytes(path, old);
    {
        const HANDLE file = CreateFileW(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const std::string block(512, 'f');
        DWORD written = 0;
        while (WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written > 0) {
        }
        CloseHandle(file);
    }
    const FileStoreWin32 store;
    EXPECT_FALSE(store.ReplaceWhole(U16(path), std::string(32 * 1024, 'n')));
    EXPECT_EQ(ReadFileBytes(path), old);
    DeleteFileW(filler.c_str());
    EXPECT_EQ(FileNamesIn(folder), std::vector<std::wstring>{L"Kuvano.ini"});
    EXPECT_TRUE(store.ReplaceWhole(U16(path), std::string(32 * 1024, 'n')));  // room again
    DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace kuvano
