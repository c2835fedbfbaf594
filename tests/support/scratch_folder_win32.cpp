#include "support/scratch_folder_win32.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "platform/scoped_win32.h"

namespace kuvano::testing {

ScratchFolder::ScratchFolder(std::wstring_view purpose) {
    wchar_t temp[MAX_PATH + 1]{};
    if (GetTempPathW(MAX_PATH + 1, temp) == 0) throw std::runtime_error("no temporary folder");
    const std::wstring base = std::wstring(temp) + L"kuvano-" + std::wstring(purpose) + L"-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
    path_ = base;
    if (!CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create a scratch folder");
}

namespace {

void RemoveTree(const std::wstring& folder);

// Removes what a folder holds, read-only files included; the search is
// closed before the folder itself goes.
void RemoveEntries(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    const UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (!find) return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(path);
        } else {
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(find.get(), &entry));
}

// Removes a folder with everything in it.
void RemoveTree(const std::wstring& folder) {
    RemoveEntries(folder);
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

void WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) throw std::runtime_error("cannot write a test file");
}

std::string ReadFileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open a test file");
    std::string bytes;
    std::vector<char> chunk(65536);
    DWORD read = 0;
    while (ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0) {
        bytes.append(chunk.data(), read);
    }
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace kuvano::testing
