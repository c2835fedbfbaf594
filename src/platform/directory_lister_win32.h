#pragma once

#include "platform/directory_lister.h"

namespace kuvano {

// Lists through FindFirstFileW and FindNextFileW.
class DirectoryListerWin32 final : public DirectoryLister {
public:
    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, TFindData& first) const override;
};

}  // namespace kuvano
