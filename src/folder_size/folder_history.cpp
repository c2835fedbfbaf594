#include "folder_size/folder_history.h"

#include <algorithm>

namespace kuvano {

void FolderHistory::Add(const std::u16string& folder) {
    const auto found = std::ranges::find_if(
        items_, [&](const std::u16string& item) { return collation_.EqualIgnoringCase(item, folder); });
    if (found != items_.end()) {
        selected_ = static_cast<size_t>(found - items_.begin());
        return;
    }
    items_.insert(items_.begin(), folder);
    if (items_.size() > kCapacity) items_.pop_back();
    selected_ = 0;
}

void FolderHistory::Reset(const std::u16string& folder) {
    items_.assign(1, folder);
    selected_ = 0;
}

}  // namespace kuvano
