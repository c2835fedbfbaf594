#include "platform/file_store_win32.h"

#include <windows.h>

#include <string>

#include "platform/scoped_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

constexpr int kAttempts = 7;
constexpr DWORD kPauseMilliseconds = 50;  // between attempts: 300 ms in all

// What another program's brief hold on the file looks like.
bool Transient(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

// Runs `step` (which returns ERROR_SUCCESS or why it failed) until it
// succeeds or fails for a lasting reason; the last answer.
template <typename Step>
DWORD Retried(Step step) {
    DWORD error = step();
    for (int attempt = 1; attempt < kAttempts && Transient(error); ++attempt) {
        Sleep(kPauseMilliseconds);
        error = step();
    }
    return error;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

struct Temporary {
    std::wstring name;
    UniqueFile file;
    DWORD error = ERROR_SUCCESS;  // why there is no file
};

// A fresh file beside the target; an existing one is never reused.
Temporary CreateTemporaryBeside(const std::u16string& path) {
    const std::wstring base = std::wstring(Wide(path)) + L"." + std::to_wstring(GetCurrentProcessId());
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < 100 && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS); ++attempt) {
        std::wstring name = base + L"-" + std::to_wstring(attempt) + L".tmp";
        UniqueFile file(
            CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return {std::move(name), std::move(file)};
        error = GetLastError();
    }
    return {{}, {}, error};
}

// A folder may refuse new files and renames while the file in it stays
// writable (a locked-down profile folder, an immutable directory).
bool FolderRefused(DWORD error) {
    return error == ERROR_ACCESS_DENIED;
}

enum class Replacement { Done, FolderRefused, Failed };

// The new file takes the old one's place, with its attributes and
// permissions. The old file stays as it was whenever that fails: where the
// system had already moved it to the backup's name, it is moved back.
DWORD Swap(const std::wstring& temporary, const std::u16string& path) {
    const std::wstring backup = temporary + L".old";
    if (ReplaceFileW(Wide(path), temporary.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                     nullptr)) {
        DeleteFileW(backup.c_str());
        return ERROR_SUCCESS;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) MoveFileExW(backup.c_str(), Wide(path), MOVEFILE_WRITE_THROUGH);
    return error;
}

// The older way, for a first save and where the system refuses a replacement.
DWORD Rename(const std::wstring& temporary, const std::u16string& path) {
    if (MoveFileExW(temporary.c_str(), Wide(path), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ERROR_SUCCESS;
    }
    return GetLastError();
}

// The safe way first: a failed save leaves the old file exactly as it was.
Replacement ReplaceThroughTemporary(const std::u16string& path, std::string_view bytes) {
    auto [temporaryName, temporary, refusal] = CreateTemporaryBeside(path);
    if (!temporary) return FolderRefused(refusal) ? Replacement::FolderRefused : Replacement::Failed;
    const bool written = WriteAll(temporary.get(), bytes) && FlushFileBuffers(temporary.get());
    temporary.reset();
    DWORD error = ERROR_WRITE_FAULT;
    if (written) {
        error = Retried([&] { return Swap(temporaryName, path); });
        if (error != ERROR_SUCCESS && !Transient(error)) error = Retried([&] { return Rename(temporaryName, path); });
    }
    if (error == ERROR_SUCCESS) return Replacement::Done;
    DeleteFileW(temporaryName.c_str());
    return written && FolderRefused(error) ? Replacement::FolderRefused : Replacement::Failed;
}

// As the system's profile functions save: over the old bytes. A file marked
// read-only is never written, whoever the user is.
bool WriteInPlace(const std::u16string& path, std::string_view bytes) {
    const DWORD attributes = GetFileAttributesW(Wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return false;
    }
    UniqueFile file;
    Retried([&] {
        file.reset(CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file ? ERROR_SUCCESS : GetLastError();
    });
    return file && WriteAll(file.get(), bytes) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
}

}  // namespace

FileStore::ReadResult FileStoreWin32::ReadWhole(const std::u16string& path) const {
    UniqueFile file;
    const DWORD error = Retried([&] {
        file.reset(CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file ? ERROR_SUCCESS : GetLastError();
    });
    if (!file) {
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? ReadStatus::Missing : ReadStatus::Failed, {}};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > INT32_MAX) return {ReadStatus::Failed, {}};
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr)) {
            return {ReadStatus::Failed, {}};
        }
        if (read == 0) break;  // the file shrank while we read it
        done += read;
    }
    bytes.resize(done);
    return {ReadStatus::Read, std::move(bytes)};
}

bool FileStoreWin32::ReplaceWhole(const std::u16string& path, std::string_view bytes) const {
    // Some systems would replace a folder that stands in the file's place.
    const DWORD attributes = GetFileAttributesW(Wide(path));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    switch (ReplaceThroughTemporary(path, bytes)) {
        case Replacement::Done: return true;
        case Replacement::FolderRefused: return WriteInPlace(path, bytes);
        case Replacement::Failed: return false;
    }
    return false;
}

}  // namespace kuvano
