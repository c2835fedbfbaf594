#include "platform/drive_kind_cache.h"

namespace kuvano {

DriveKind DriveKindCache::Kind(const std::u16string& root) const {
    const auto known = kinds_.find(root);
    if (known != kinds_.end()) return known->second;
    const DriveKind kind = system_.Kind(root);
    kinds_.emplace(root, kind);
    return kind;
}

}  // namespace kuvano
