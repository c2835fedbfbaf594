#include "platform/directory_lister_win32.h"

#include <windows.h>

#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

uint64_t FileTimeValue(const FILETIME& time) {
    return uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
}

TFindData FromFindData(const WIN32_FIND_DATAW& data) {
    TFindData entry;
    entry.attributes = data.dwFileAttributes;
    entry.creationTime = FileTimeValue(data.ftCreationTime);
    entry.lastAccessTime = FileTimeValue(data.ftLastAccessTime);
    entry.lastWriteTime = FileTimeValue(data.ftLastWriteTime);
    entry.size = uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
    entry.name = FromWide(data.cFileName);
    return entry;
}

class FindEnumeration final : public DirectoryLister::Enumeration {
public:
    explicit FindEnumeration(HANDLE search) : search_(search) {}
    ~FindEnumeration() override { FindClose(search_); }
    FindEnumeration(const FindEnumeration&) = delete;
    FindEnumeration& operator=(const FindEnumeration&) = delete;

    bool Next(TFindData& entry, uint32_t& error) override {
        WIN32_FIND_DATAW data{};
        if (!FindNextFileW(search_, &data)) {
            error = GetLastError();
            return false;
        }
        entry = FromFindData(data);
        return true;
    }

private:
    HANDLE search_;
};

}  // namespace

std::unique_ptr<DirectoryLister::Enumeration> DirectoryListerWin32::Open(const std::u16string& pattern,
                                                                         TFindData& first) const {
    WIN32_FIND_DATAW data{};
    const HANDLE search = FindFirstFileW(Wide(pattern), &data);
    if (search == INVALID_HANDLE_VALUE) return nullptr;
    first = FromFindData(data);
    return std::make_unique<FindEnumeration>(search);
}

}  // namespace kuvano
