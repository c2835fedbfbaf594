#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/directory_lister.h"

namespace kuvano {

// What a listing or a search returns when it was cancelled.
inline constexpr int32_t kSearchCancelled = 1223;

// Lists the entries of one pattern and hands each to onEntry, "." and ".."
// included, in the order the system returns them.
class DirectoryListing {
public:
    using EntryHandler = std::function<void(const DirectoryEntry& entry, bool& cancel)>;

    explicit DirectoryListing(const DirectoryLister& lister) : lister_(lister) {}

    const std::u16string& Pattern() const { return pattern_; }
    // Ignored while a run is in progress.
    void SetPattern(std::u16string pattern) {
        if (!running_) pattern_ = std::move(pattern);
    }
    EntryHandler onEntry;

    // 0 when the listing ended (also when nothing matched or the pattern
    // cannot be opened), kSearchCancelled after a cancel, else the system's
    // error code.
    int32_t Run();

private:
    const DirectoryLister& lister_;
    std::u16string pattern_;
    bool running_ = false;
};

}  // namespace kuvano
