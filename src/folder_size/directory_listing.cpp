#include "folder_size/directory_listing.h"

#include "folder_size/running_scope.h"

namespace kuvano {
namespace {

constexpr uint32_t kNoMoreFiles = 18;

}  // namespace

int32_t DirectoryListing::Run() {
    if (!onEntry) return 0;
    const RunningScope running(running_);
    bool cancel = false;
    DirectoryEntry entry;
    auto search = lister_.Open(pattern_, entry);
    if (!search) return 0;

    uint32_t error = 0;
    do {
        onEntry(entry, cancel);
        if (cancel) return kSearchCancelled;
    } while (search->Next(entry, error));
    return error == kNoMoreFiles ? 0 : static_cast<int32_t>(error);
}

}  // namespace kuvano
