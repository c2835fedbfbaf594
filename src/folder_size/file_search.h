#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/enum_set.h"
#include "folder_size/directory_listing.h"

namespace kuvano {

class SearchCancelled : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The tests a search can apply to each entry, in the order it applies them.
enum class SearchTest : uint8_t {
    LastWriteTime,
    CreationTime,
    LastAccessTime,
    Size,
    ReadOnly,
    Hidden,
    System,
    Directory,
    Archive,
};

// The state each attribute test wants: an attribute whose test is chosen
// must be set when wanted and clear when not.
struct WantedAttributes {
    bool readOnly = false;
    bool archive = false;
    bool directory = false;
    bool hidden = false;
    bool system = false;
};

// Bounds of the time tests as UTC file times, inclusive, in the order from
// and to last write, creation, last access.
using TimeBounds = std::array<uint64_t, 6>;
inline constexpr TimeBounds kAnyTime{0, UINT64_MAX, 0, UINT64_MAX, 0, UINT64_MAX};

// Walks a folder, or its whole tree depth first, and reports each entry
// that passes the chosen tests. Before every entry it looks at its cancel
// flag, so that another thread can end a long walk at once.
class FileSearch {
public:
    using EntryHandler = std::function<void(const DirectoryEntry& entry, const std::u16string& folder, bool& cancel)>;

    // The Windows directory is where a search starts unless told otherwise.
    FileSearch(const DirectoryLister& lister, std::u16string windowsDirectory);

    EntryHandler onEntry;
    bool throwOnCancel = false;
    // Once the flag is set, from any thread, the walk ends at its next entry.
    void CancelWhen(const std::atomic<bool>& flag) { cancelFlag_ = &flag; }

    EnumSet<SearchTest> tests;
    WantedAttributes wanted;
    TimeBounds timeBounds = kAnyTime;
    int32_t minSize = 0;
    int32_t maxSize = std::numeric_limits<int32_t>::max();
    bool wholeTree = false;
    std::u16string fileMask = u"*.*";
    std::u16string folderMask = u"*.*";

    const std::u16string& BaseFolder() const { return baseFolder_; }
    // Shorter than two characters: ignored. One trailing backslash is cut off.
    void SetBaseFolder(std::u16string value);

    // 0, kSearchCancelled after a cancel, or the system's error code that
    // ended a listing. A Run started while this one is still on the stack
    // (from a handler) returns 0 at once: both would share one queue.
    int32_t Run();

private:
    bool Continue(bool& cancel) const;
    void OnFileEntry(const DirectoryEntry& entry, bool& cancel);
    void OnFolderEntry(const DirectoryEntry& entry, bool& cancel);
    void PushSubfolder(const DirectoryEntry& entry);
    bool Passes(const DirectoryEntry& entry) const;
    int32_t FlatWalk();
    int32_t TreeWalk();
    // Its subfolders go on the stack when descending.
    int32_t ListCurrentFolder(bool descend);

    const std::atomic<bool>* cancelFlag_ = nullptr;
    DirectoryListing fileListing_;
    DirectoryListing folderListing_;
    std::u16string baseFolder_;
    std::u16string currentFolder_;
    std::vector<std::u16string> folderStack_;  // folders listed next, the next one last
    uint32_t mustHave_ = 0;
    uint32_t mustNotHave_ = 0;
    bool running_ = false;
    bool sharedListing_ = false;
};

}  // namespace kuvano
