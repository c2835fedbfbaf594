#include "core/thread_starter.h"

#include <thread>

namespace kuvano {

void DetachedThreads::Start(std::function<void()> body) const {
    std::thread(std::move(body)).detach();
}

}  // namespace kuvano
