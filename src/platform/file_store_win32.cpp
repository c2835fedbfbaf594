#include "platform/file_store_win32.h"

#include <windows.h>

#include <string>

#include "platform/unique_handle_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// A fresh file beside the target; an existing one is never reused.
std::pair<std::wstring, UniqueFile> CreateTemporaryBeside(const std::u16string& path) {
    const std::wstring base = std::wstring(Wide(path)) + L"." + std::to_wstring(GetCurrentProcessId());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring name = base + L"-" + std::to_wstring(attempt) + L".tmp";
        UniqueFile file(
            CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return {std::move(name), std::move(file)};
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return {};
}

}  // namespace

FileStore::ReadResult FileStoreWin32::ReadWhole(const std::u16string& path) const {
    UniqueFile file(CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
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
    auto [temporaryName, temporary] = CreateTemporaryBeside(path);
    if (!temporary) return false;
    const bool written = WriteAll(temporary.get(), bytes) && FlushFileBuffers(temporary.get());
    temporary.reset();
    if (written && MoveFileExW(temporaryName.c_str(), Wide(path), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporaryName.c_str());
    return false;
}

}  // namespace kuvano
