#include "platform/directory_lister_win32.h"

#include <windows.h>

#include <utility>

#include "platform/long_path.h"
#include "platform/scoped_win32.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

// Fills the caller's entry in place: its name keeps its storage from one entry to the next.
void Fill(const WIN32_FIND_DATAW& data, DirectoryEntry& entry) {
    entry.attributes = data.dwFileAttributes;
    entry.size = uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
    entry.name.assign(FromWideView(data.cFileName));
}

class FindEnumeration final : public DirectoryLister::Enumeration {
public:
    explicit FindEnumeration(UniqueFind search) : search_(std::move(search)) {}

    bool Next(DirectoryEntry& entry, uint32_t& error) override {
        WIN32_FIND_DATAW data;
        if (!FindNextFileW(search_.get(), &data)) {
            error = GetLastError();
            return false;
        }
        Fill(data, entry);
        return true;
    }

private:
    UniqueFind search_;
};

}  // namespace

std::unique_ptr<DirectoryLister::Enumeration> DirectoryListerWin32::Open(const std::u16string& pattern,
                                                                         DirectoryEntry& first) const {
    WIN32_FIND_DATAW data;
    // The basic level leaves out the short 8.3 name, which nobody reads here.
    UniqueFind search(FindFirstFileExW(Wide(LongPath(pattern)), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                       FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return nullptr;
    Fill(data, first);
    return std::make_unique<FindEnumeration>(std::move(search));
}

}  // namespace kuvano
