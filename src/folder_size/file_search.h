#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "folder_size/directory_listing.h"

namespace kuvano {

// Walks a folder, or its whole tree depth first, and reports each entry but
// "." and ".." whose attributes hold every bit of `required` and none of
// `excluded`. Before each folder it opens and each entry it looks at its
// cancel flag, so that another thread can end a long walk at once.
class FileSearch {
public:
    using EntryHandler = std::function<void(const DirectoryEntry& entry, const std::u16string& folder)>;

    explicit FileSearch(const DirectoryLister& lister);

    EntryHandler onEntry;
    uint32_t required = 0;
    uint32_t excluded = 0;
    bool wholeTree = false;
    // Once the flag is set, from any thread, the walk ends before its next folder or entry.
    void CancelWhen(const std::atomic<bool>& flag) { cancelFlag_ = &flag; }

    const std::u16string& BaseFolder() const { return baseFolder_; }
    // Shorter than two characters: ignored. One trailing backslash is cut off.
    void SetBaseFolder(std::u16string value);

    // 0, kSearchCancelled after a cancel, or the system's error code that
    // ended a listing. A Run started while this one is still on the stack
    // (from a handler) returns 0 at once: both would share one stack of folders.
    int32_t Run();

private:
    bool Continue(bool& cancel) const;
    void OnEntry(const DirectoryEntry& entry, bool& cancel);
    void PushSubfolder(const DirectoryEntry& entry);

    const std::atomic<bool>* cancelFlag_ = nullptr;
    DirectoryListing listing_;
    std::u16string baseFolder_;
    std::u16string currentFolder_;
    std::vector<std::u16string> folderStack_;  // folders listed next, the next one last
    bool running_ = false;
};

}  // namespace kuvano
