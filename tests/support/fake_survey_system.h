#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

#include "core/survey_system.h"

namespace kuvano::testing {

// Every folder lies on a solid-state drive.
struct SolidStateVolumes final : VolumeKinds {
    VolumeKind KindOf(const std::u16string&) const override { return VolumeKind::SolidState; }
};

// The Windows directory is the folder of that exact path.
struct WindowsDirectoryAt final : WindowsDirectory {
    explicit WindowsDirectoryAt(std::u16string given) : path(std::move(given)) {}
    bool Is(const std::u16string& folder) const override { return folder == path; }
    std::u16string path;
};

// Reads no system call blocks in; counts the threads that asked and the interrupts.
struct CountedInterrupts final : BlockedReads {
    std::function<void()> InterrupterForThisThread() const override {
        ++threads;
        return [this] { ++interrupts; };
    }
    mutable std::atomic<int> threads = 0;
    mutable std::atomic<int> interrupts = 0;
};

// Detached threads, counted while they live.
class CountedThreads final : public ThreadStarter {
public:
    void Start(std::function<void()> body) const override {
        const std::scoped_lock lock(mutex_);
        if (++started_ == refused_)
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        ++alive_;
        std::thread([this, body = std::move(body)]() mutable {
            body();
            body = nullptr;  // what it holds goes before the thread counts as ended
            const std::scoped_lock ended(mutex_);
            --alive_;
            changed_.notify_all();
        }).detach();
    }
    // True when the threads alive came to that count within the time.
    bool WaitForAlive(int count, std::chrono::milliseconds most = std::chrono::seconds(10)) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, most, [&] { return alive_ == count; });
    }
    // The start that many from now is refused, as the system refuses a thread.
    void RefuseStart(int fromNow) {
        const std::scoped_lock lock(mutex_);
        refused_ = started_ + fromNow;
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    mutable int started_ = 0;
    mutable int alive_ = 0;
    int refused_ = 0;
};

// A survey's system around a lister: every folder exists, the Windows
// directory is C:\Windows, and the pool is of the given size.
inline SurveySystem FakeSurveySystem(
    std::shared_ptr<const DirectoryLister> lister, unsigned poolSize,
    std::shared_ptr<const ThreadStarter> threads = std::make_shared<DetachedThreads>()) {
    return {.lister = std::move(lister),
            .windowsDirectory = std::make_shared<WindowsDirectoryAt>(u"C:\\Windows"),
            .volumes = std::make_shared<SolidStateVolumes>(),
            .blockedReads = std::make_shared<CountedInterrupts>(),
            .threads = std::move(threads),
            .folderExists = [](const std::u16string&) { return true; },
            .poolSize = [poolSize](VolumeKind) { return poolSize; }};
}

}  // namespace kuvano::testing
