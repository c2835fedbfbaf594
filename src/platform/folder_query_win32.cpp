#include "platform/folder_query_win32.h"

#include "platform/long_path.h"
#include "platform/wide_text_win32.h"

namespace kuvano {

UniqueFile OpenFolderToQuery(const std::u16string& folder) {
    return UniqueFile(CreateFileW(Wide(LongPath(folder)), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

}  // namespace kuvano
