#include "platform/drive_kind_cache.h"

namespace kuvano {
namespace {

// 0 for A to 25 for Z in either case; -1 for a root that names no letter,
// whose type never changes.
int LetterIndex(const std::u16string& root) {
    if (root.empty()) return -1;
    const char16_t letter = root[0];
    if (letter >= u'A' && letter <= u'Z') return letter - u'A';
    if (letter >= u'a' && letter <= u'z') return letter - u'a';
    return -1;
}

}  // namespace

DriveKind DriveKindCache::Kind(const std::u16string& root) const {
    const auto known = kinds_.find(root);
    if (known != kinds_.end()) return known->second;
    const DriveKind kind = system_.Kind(root);
    kinds_.emplace(root, kind);
    return kind;
}

DriveSpace DriveKindCache::Space(const std::u16string& root) const {
    return IsWatchedDriveKind(Kind(root)) ? system_.Space(root) : slowDrives_.Space(root);
}

void DriveKindCache::FollowLetters() {
    const uint32_t letters = system_.LogicalDrives();
    // Types asked before the first look may already be out of date.
    const uint32_t changed = letters_ ? letters ^ *letters_ : ~uint32_t{0};
    letters_ = letters;
    std::erase_if(kinds_, [changed](const auto& known) {
        const int letter = LetterIndex(known.first);
        return letter >= 0 && (changed >> letter & 1u) != 0;
    });
}

}  // namespace kuvano
