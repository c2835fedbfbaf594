#include "folder_size/worker_census.h"

namespace kuvano {

WorkerCensus::Entry::Entry(WorkerCensus& census) : census_(census) {
    const std::scoped_lock lock(census_.mutex_);
    ++census_.alive_;
}

WorkerCensus::Entry::~Entry() {
    {
        const std::scoped_lock lock(census_.mutex_);
        --census_.alive_;
    }
    census_.changed_.notify_all();
}

bool WorkerCensus::WaitForRoom(unsigned poolSize, const std::atomic<bool>& cancel) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return cancel || alive_ - 1 < poolSize; });
    return !cancel;
}

// Through the lock: a lead that has just found its flag clear is then
// waiting, and sees the notice.
void WorkerCensus::Wake() {
    { const std::scoped_lock lock(mutex_); }
    changed_.notify_all();
}

}  // namespace kuvano
