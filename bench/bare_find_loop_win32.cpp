#include "bare_find_loop_win32.h"

#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/long_path.h"
#include "platform/wide_text_win32.h"

namespace kuvano::bench {
namespace {

bool IsDot(std::wstring_view name) {
    return name == L"." || name == L"..";
}

template <typename Visit>
void ForEachEntry(const std::u16string& folder, Visit visit) {
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileExW(Wide(LongPath(folder + u"\\*")), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!IsDot(data.cFileName)) visit(data);
    } while (FindNextFileW(search, &data));
    FindClose(search);
}

bool IsPlainFolder(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

FolderTotals TotalsBelow(const std::u16string& top) {
    FolderTotals totals;
    std::vector<std::u16string> queue{top};
    for (size_t i = 0; i < queue.size(); ++i) {
        ForEachEntry(queue[i], [&](const WIN32_FIND_DATAW& data) {
            totals.bytes += static_cast<int64_t>(uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow);
            ++totals.entries;
            if (IsPlainFolder(data.dwFileAttributes)) queue.push_back(queue[i] + u"\\" + FromWide(data.cFileName));
        });
    }
    return totals;
}

}  // namespace

std::map<std::u16string, FolderTotals> BareFolderTotals(const std::u16string& base) {
    std::vector<std::u16string> tops;
    ForEachEntry(base, [&](const WIN32_FIND_DATAW& data) {
        const DWORD attributes = data.dwFileAttributes;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
            tops.push_back(base + u"\\" + FromWide(data.cFileName));
        }
    });
    std::map<std::u16string, FolderTotals> totals;
    for (const std::u16string& top : tops) totals[top] = TotalsBelow(top);
    return totals;
}

}  // namespace kuvano::bench
