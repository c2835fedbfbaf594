#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "core/drive_platform.h"

namespace kuvano {

// Reads a drive's space on a thread of its own and waits for it only so
// long: a network drive whose server is gone may answer after tens of
// seconds, or never, and the window must not wait. Until a read comes back
// the last one read stands (none: 0 of 0), and a read still under way is
// not started again.
class BoundedSpaceReader {
public:
    BoundedSpaceReader(const DrivePlatform& system, std::chrono::milliseconds bound)
        : system_(system), bound_(bound), state_(std::make_shared<State>()) {}

    DriveSpace Space(const std::u16string& root) const;

private:
    // Shared with reads that outlive the reader.
    struct State {
        std::mutex mutex;
        std::condition_variable done;
        std::map<std::u16string, DriveSpace> last;  // guarded by mutex
        std::set<std::u16string> reading;           // guarded by mutex
    };

    const DrivePlatform& system_;
    std::chrono::milliseconds bound_;
    std::shared_ptr<State> state_;
};

}  // namespace kuvano
