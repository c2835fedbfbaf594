#include "platform/bounded_space_reader.h"

#include <thread>

#include "platform/failure_report.h"

namespace kuvano {

DriveSpace BoundedSpaceReader::Space(const std::u16string& root) const {
    std::unique_lock lock(state_->mutex);
    if (state_->reading.insert(root).second) {
        try {
            std::thread([state = state_, &system = system_, root] {
                const DriveSpace space = system.Space(root);
                const std::scoped_lock done(state->mutex);
                state->last[root] = space;
                state->reading.erase(root);
                state->done.notify_all();
            }).detach();
        } catch (...) {
            state_->reading.erase(root);
            ReportCaughtFailure(L"reading a drive's space");
        }
    }
    state_->done.wait_for(lock, bound_, [&] { return !state_->reading.contains(root); });
    return state_->last[root];
}

}  // namespace kuvano
