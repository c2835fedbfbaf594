#include "folder_size/find_first_loop.h"

#include "folder_size/running_scope.h"

namespace kuvano {
namespace {

constexpr uint32_t kNoMoreFiles = 18;

}  // namespace

int32_t TFindFirstLoop::Cancelled(const char* message) const {
    if (ExceptionOnCancel) throw EFindFirstLoopCancel(message);
    return kFindCancelled;
}

int32_t TFindFirstLoop::Run() {
    if (!OnFind) return 0;
    const RunningScope running(running_);
    bool cancel = false;
    TFindData entry;
    auto search = lister_.Open(path_, entry);
    if (!search) return 0;

    OnFind(*this, entry, cancel);
    if (cancel) {
        search.reset();  // the search is closed before anything is reported
        return Cancelled("TFindFirstLoop Cancelled");
    }
    uint32_t error = 0;
    while (search->Next(entry, error)) {
        OnFind(*this, entry, cancel);
        if (cancel) {
            search.reset();
            return Cancelled("Search Canceled");
        }
    }
    return error == kNoMoreFiles ? 0 : static_cast<int32_t>(error);
}

}  // namespace kuvano
