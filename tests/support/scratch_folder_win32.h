#pragma once

#include <string>
#include <string_view>

namespace kuvano::testing {

// A new folder under the system's temporary folder, removed with all it holds.
class ScratchFolder {
public:
    explicit ScratchFolder(std::wstring_view purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& Path() const { return path_; }
    std::wstring File(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }

private:
    std::wstring path_;
};

void WriteFileBytes(const std::wstring& path, std::string_view bytes);
std::string ReadFileBytes(const std::wstring& path);

}  // namespace kuvano::testing
