#pragma once

#include <functional>

namespace kuvano {

// Starts threads that nobody joins: a thread blocked in a read of a dead
// share must never hold up the one that started it.
class ThreadStarter {
public:
    virtual ~ThreadStarter() = default;
    // Throws std::system_error when the system refuses a thread. The body
    // must let no exception out.
    virtual void Start(std::function<void()> body) const = 0;
};

class DetachedThreads final : public ThreadStarter {
public:
    void Start(std::function<void()> body) const override;
};

}  // namespace kuvano
