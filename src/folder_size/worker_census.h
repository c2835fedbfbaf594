#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace kuvano {

// Counts the survey threads alive, those of given-up surveys included, so
// that Stop and Start on a dead share cannot pile up threads without bound.
class WorkerCensus {
public:
    // Counts the calling thread for as long as it lives.
    class Entry {
    public:
        explicit Entry(WorkerCensus& census);
        ~Entry();
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;

    private:
        WorkerCensus& census_;
    };

    // On a lead thread, counted itself: waits while the other threads alive
    // number a whole pool. False when cancelled first.
    bool WaitForRoom(unsigned poolSize, const std::atomic<bool>& cancel);
    // Wakes the waiting leads, to look at their cancel flags.
    void Wake();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    unsigned alive_ = 0;  // guarded by mutex_
};

}  // namespace kuvano
