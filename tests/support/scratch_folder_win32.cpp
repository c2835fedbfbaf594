#include "support/scratch_folder_win32.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kuvano::testing {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(std::wstring_view purpose) {
    wchar_t temp[MAX_PATH + 1]{};
    if (GetTempPathW(MAX_PATH + 1, temp) == 0) throw std::runtime_error("no temporary folder");
    path_ = std::wstring(temp) + L"kuvano-" + std::wstring(purpose) + L"-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(GetTickCount64());
    if (!CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only files too
    fs::remove_all(path_, ignored);
}

void WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    std::ofstream file(fs::path(path), std::ios::binary);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) {
        throw std::runtime_error("cannot write a test file");
    }
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream file(fs::path(path), std::ios::binary);
    if (!file) throw std::runtime_error("cannot open a test file");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace kuvano::testing
