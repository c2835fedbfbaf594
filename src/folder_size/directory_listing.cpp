#include "folder_size/directory_listing.h"

#include "folder_size/running_scope.h"

namespace kuvano {
namespace {

constexpr uint32_t kNoMoreFiles = 18;

}  // namespace

int32_t DirectoryListing::Cancelled(const char* message) const {
    if (throwOnCancel) throw ListingCancelled(message);
    return kSearchCancelled;
}

int32_t DirectoryListing::Run() {
    if (!onEntry) return 0;
    const RunningScope running(running_);
    bool cancel = false;
    DirectoryEntry entry;
    auto search = lister_.Open(pattern_, entry);
    if (!search) return 0;

    onEntry(entry, cancel);
    if (cancel) {
        search.reset();  // the search is closed before anything is reported
        return Cancelled("TFindFirstLoop Cancelled");
    }
    uint32_t error = 0;
    while (search->Next(entry, error)) {
        onEntry(entry, cancel);
        if (cancel) {
            search.reset();
            return Cancelled("Search Canceled");
        }
    }
    return error == kNoMoreFiles ? 0 : static_cast<int32_t>(error);
}

}  // namespace kuvano
