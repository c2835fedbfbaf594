#include "folder_size/file_search.h"

#include <algorithm>

#include "folder_size/running_scope.h"

namespace kuvano {
namespace {

bool IsDotEntry(const std::u16string& name) {
    return name == u"." || name == u"..";
}

bool Within(uint64_t value, uint64_t from, uint64_t to) {
    return from <= value && value <= to;
}

struct AttributeTest {
    SearchTest test;
    bool WantedAttributes::*wanted;
    uint32_t bit;
};

constexpr std::array<AttributeTest, 5> kAttributeTests{{
    {SearchTest::Archive, &WantedAttributes::archive, kAttributeArchive},
    {SearchTest::Directory, &WantedAttributes::directory, kAttributeDirectory},
    {SearchTest::Hidden, &WantedAttributes::hidden, kAttributeHidden},
    {SearchTest::ReadOnly, &WantedAttributes::readOnly, kAttributeReadOnly},
    {SearchTest::System, &WantedAttributes::system, kAttributeSystem},
}};

}  // namespace

FileSearch::FileSearch(const DirectoryLister& lister, std::u16string windowsDirectory)
    : fileListing_(lister), folderListing_(lister), baseFolder_(std::move(windowsDirectory)) {
    fileListing_.onEntry = [this](const DirectoryEntry& entry, bool& cancel) { OnFileEntry(entry, cancel); };
    folderListing_.onEntry = [this](const DirectoryEntry& entry, bool& cancel) { OnFolderEntry(entry, cancel); };
}

// With wide paths a trailing backslash can never be half of a character.
void FileSearch::SetBaseFolder(std::u16string value) {
    if (value.size() < 2) return;
    if (value.back() == u'\\') value.pop_back();
    baseFolder_ = std::move(value);
}

int32_t FileSearch::Run() {
    if (!onEntry || running_) return 0;
    const RunningScope running(running_);
    mustHave_ = 0;
    mustNotHave_ = 0;
    for (const AttributeTest& attribute : kAttributeTests) {
        if (!tests.Has(attribute.test)) continue;
        (wanted.*attribute.wanted ? mustHave_ : mustNotHave_) |= attribute.bit;
    }
    const int32_t result = wholeTree ? TreeWalk() : FlatWalk();
    if (result == kSearchCancelled && throwOnCancel) throw SearchCancelled("TFindFile.Run Cancelled");
    return result;
}

// The tests in their fixed order; the first that fails rejects the entry.
bool FileSearch::Passes(const DirectoryEntry& entry) const {
    if (tests.Has(SearchTest::LastWriteTime) && !Within(entry.lastWriteTime, timeBounds[0], timeBounds[1])) {
        return false;
    }
    if (tests.Has(SearchTest::CreationTime) &&
        (entry.creationTime == 0 || !Within(entry.creationTime, timeBounds[2], timeBounds[3]))) {
        return false;
    }
    if (tests.Has(SearchTest::LastAccessTime) &&
        (entry.lastAccessTime == 0 || !Within(entry.lastAccessTime, timeBounds[4], timeBounds[5]))) {
        return false;
    }
    if (tests.Has(SearchTest::Size)) {
        // The size is unsigned 64-bit; the bounds are compared sign-extended.
        if (entry.size > static_cast<uint64_t>(INT64_MAX)) return false;
        const auto size = static_cast<int64_t>(entry.size);
        if (size < minSize || size > maxSize) return false;
    }
    return (entry.attributes & mustHave_) == mustHave_ && (entry.attributes & mustNotHave_) == 0;
}

// A relaxed look: the flag orders nothing, and it costs less than one entry.
bool FileSearch::Continue(bool& cancel) const {
    if (cancelFlag_ && cancelFlag_->load(std::memory_order_relaxed)) cancel = true;
    return !cancel;
}

void FileSearch::OnFileEntry(const DirectoryEntry& entry, bool& cancel) {
    if (!Continue(cancel)) return;
    if (!IsDotEntry(entry.name) && Passes(entry)) onEntry(entry, currentFolder_, cancel);
    if (sharedListing_ && !cancel) PushSubfolder(entry);
}

void FileSearch::OnFolderEntry(const DirectoryEntry& entry, bool& cancel) {
    if (Continue(cancel)) PushSubfolder(entry);
}

// A link may lead back to its own ancestor: it is reported, never entered.
void FileSearch::PushSubfolder(const DirectoryEntry& entry) {
    if ((entry.attributes & kAttributeDirectory) && !(entry.attributes & kAttributeReparsePoint) &&
        !IsDotEntry(entry.name)) {
        folderStack_.push_back(currentFolder_ + u"\\" + entry.name);
    }
}

int32_t FileSearch::FlatWalk() {
    sharedListing_ = false;
    currentFolder_ = baseFolder_;
    return ListCurrentFolder(false);
}

// Depth first, each folder's subfolders in listing order after its own
// entries. A folder's path is dropped once it has been listed, so the walk
// holds the tree's depth and its widest folders, never every path it saw.
// When both masks are the same, one listing serves the report and the walk.
int32_t FileSearch::TreeWalk() {
    sharedListing_ = fileMask == folderMask;
    folderStack_.assign(1, baseFolder_);
    while (!folderStack_.empty()) {
        currentFolder_ = std::move(folderStack_.back());
        folderStack_.pop_back();
        const size_t firstChild = folderStack_.size();
        if (const int32_t result = ListCurrentFolder(true); result != 0) return result;
        std::reverse(folderStack_.begin() + static_cast<ptrdiff_t>(firstChild), folderStack_.end());
    }
    return 0;
}

// A cancel is seen before a folder is opened, not only at its entries: an
// open alone can take long on a share whose server is gone.
int32_t FileSearch::ListCurrentFolder(bool descend) {
    bool cancel = false;
    if (!Continue(cancel)) return kSearchCancelled;
    fileListing_.SetPattern(currentFolder_ + u"\\" + fileMask);
    if (const int32_t result = fileListing_.Run(); result != 0 || !descend || sharedListing_) return result;
    folderListing_.SetPattern(currentFolder_ + u"\\" + folderMask);
    return folderListing_.Run();
}

}  // namespace kuvano
