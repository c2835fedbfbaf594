#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/scoped_win32.h"

namespace kuvano::testing {

// Empties and removes a folder; links are removed, never entered.
inline void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    if (const UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry)); find) {
        do {
            const std::wstring name = entry.cFileName, path = folder + L"\\" + name;
            if (name == L"." || name == L"..") continue;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only files too
            const DWORD kind = entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
            if (kind == FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else if (kind)
                RemoveDirectoryW(path.c_str());
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find.get(), &entry));
    }
    RemoveDirectoryW(folder.c_str());
}

// A new folder under the system's temporary folder, removed with all it holds.
class ScratchFolder {
public:
    explicit ScratchFolder(std::wstring_view purpose) {
        wchar_t temp[MAX_PATH + 1]{};
        if (GetTempPathW(MAX_PATH + 1, temp) == 0) throw std::runtime_error("no temporary folder");
        path_ = std::wstring(temp) + L"kuvano-" + std::wstring(purpose) + L"-" +
                std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
        if (!CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create a scratch folder");
    }
    // The long-path form: some tests nest names beyond MAX_PATH.
    ~ScratchFolder() { RemoveTree(L"\\\\?\\" + path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& Path() const { return path_; }
    std::wstring File(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }

private:
    std::wstring path_;
};

inline void WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) {
        throw std::runtime_error("cannot write a test file");
    }
}

inline std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) throw std::runtime_error("cannot open a test file");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace kuvano::testing
