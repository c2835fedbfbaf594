#pragma once

#include <functional>

namespace kuvano {

// Ends a directory read that a thread is blocked in, where the system allows.
class BlockedReads {
public:
    virtual ~BlockedReads() = default;
    // Called on the thread whose reads may block: what another thread calls
    // to end the read this one is blocked in, if any. Empty where the system
    // cannot end one.
    virtual std::function<void()> InterrupterForThisThread() const = 0;
};

}  // namespace kuvano
