#include "folder_size/file_search.h"

#include <algorithm>

#include "folder_size/running_scope.h"

namespace kuvano {
namespace {

bool IsDotEntry(const std::u16string& name) {
    return name == u"." || name == u"..";
}

}  // namespace

FileSearch::FileSearch(const DirectoryLister& lister) : listing_(lister) {
    listing_.onEntry = [this](const DirectoryEntry& entry, bool& cancel) { OnEntry(entry, cancel); };
}

// With wide paths a trailing backslash can never be half of a character.
void FileSearch::SetBaseFolder(std::u16string value) {
    if (value.size() < 2) return;
    if (value.back() == u'\\') value.pop_back();
    baseFolder_ = std::move(value);
}

// Depth first, each folder's subfolders in listing order after its own
// entries. A folder's path is dropped once it has been listed, so the walk
// holds the tree's depth and its widest folders, never every path it saw.
// A cancel is seen before a folder is opened, not only at its entries: an
// open alone can take long on a share whose server is gone.
int32_t FileSearch::Run() {
    if (!onEntry || running_) return 0;
    const RunningScope running(running_);
    folderStack_.assign(1, baseFolder_);
    while (!folderStack_.empty()) {
        currentFolder_ = std::move(folderStack_.back());
        folderStack_.pop_back();
        const auto firstChild = static_cast<ptrdiff_t>(folderStack_.size());
        if (bool cancel = false; !Continue(cancel)) return kSearchCancelled;
        listing_.SetPattern(currentFolder_ + u"\\*.*");
        if (const int32_t result = listing_.Run(); result != 0) return result;
        std::reverse(folderStack_.begin() + firstChild, folderStack_.end());
    }
    return 0;
}

// A relaxed look: the flag orders nothing, and it costs less than one entry.
bool FileSearch::Continue(bool& cancel) const {
    if (cancelFlag_ && cancelFlag_->load(std::memory_order_relaxed)) cancel = true;
    return !cancel;
}

void FileSearch::OnEntry(const DirectoryEntry& entry, bool& cancel) {
    if (!Continue(cancel) || IsDotEntry(entry.name)) return;
    if ((entry.attributes & required) == required && (entry.attributes & excluded) == 0) {
        onEntry(entry, currentFolder_);
    }
    if (wholeTree) PushSubfolder(entry);
}

// A link may lead back to its own ancestor: it is reported, never entered.
void FileSearch::PushSubfolder(const DirectoryEntry& entry) {
    if ((entry.attributes & kAttributeDirectory) && !(entry.attributes & kAttributeReparsePoint)) {
        folderStack_.push_back(currentFolder_ + u"\\" + entry.name);
    }
}

}  // namespace kuvano
