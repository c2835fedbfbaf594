#include "platform/directory_lister_win32.h"

#include <windows.h>

#include "platform/long_path.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

uint64_t FileTimeValue(const FILETIME& time) {
    return uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
}

// Fills the caller's entry in place: its name keeps its storage from one entry to the next.
void Fill(const WIN32_FIND_DATAW& data, TFindData& entry) {
    entry.attributes = data.dwFileAttributes;
    entry.creationTime = FileTimeValue(data.ftCreationTime);
    entry.lastAccessTime = FileTimeValue(data.ftLastAccessTime);
    entry.lastWriteTime = FileTimeValue(data.ftLastWriteTime);
    entry.size = uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
    const std::wstring_view name(data.cFileName);
    entry.name.assign(reinterpret_cast<const char16_t*>(name.data()), name.size());
}

class FindEnumeration final : public DirectoryLister::Enumeration {
public:
    explicit FindEnumeration(HANDLE search) : search_(search) {}
    ~FindEnumeration() override { FindClose(search_); }
    FindEnumeration(const FindEnumeration&) = delete;
    FindEnumeration& operator=(const FindEnumeration&) = delete;

    bool Next(TFindData& entry, uint32_t& error) override {
        WIN32_FIND_DATAW data;
        if (!FindNextFileW(search_, &data)) {
            error = GetLastError();
            return false;
        }
        Fill(data, entry);
        return true;
    }

private:
    HANDLE search_;
};

}  // namespace

std::unique_ptr<DirectoryLister::Enumeration> DirectoryListerWin32::Open(const std::u16string& pattern,
                                                                         TFindData& first) const {
    WIN32_FIND_DATAW data;
    // The basic level leaves out the short 8.3 name, which nobody reads here.
    const HANDLE search = FindFirstFileExW(Wide(LongPath(pattern)), FindExInfoBasic, &data, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return nullptr;
    Fill(data, first);
    return std::make_unique<FindEnumeration>(search);
}

}  // namespace kuvano
