#include "platform/existing_folder_win32.h"

#include <windows.h>

#include "platform/long_path.h"
#include "platform/wide_text_win32.h"

namespace kuvano {

bool IsExistingFolder(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(LongPath(path)));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace kuvano
