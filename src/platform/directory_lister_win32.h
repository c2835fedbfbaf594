#pragma once

#include "core/directory_lister.h"

namespace kuvano {

// Lists through FindFirstFileExW and FindNextFileW, in large fetches and
// beyond 260 characters for absolute paths.
class DirectoryListerWin32 final : public DirectoryLister {
public:
    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, DirectoryEntry& first) const override;
};

}  // namespace kuvano
