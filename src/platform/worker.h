#pragma once

#include <chrono>
#include <functional>

namespace gibbetry {

// Runs work off the user-interface thread, so that a slow or hung file never freezes the window.
// done runs later on the user-interface thread, from its event loop: with true once work has
// returned, or with false when work has not returned within the limit. Work given up on is left
// to end on its own, with nothing waiting for it; it must hold what it touches.
class Worker {
public:
    virtual ~Worker() = default;
    virtual void run(std::function<void()> work, std::chrono::milliseconds limit,
                     std::function<void(bool finished)> done) = 0;
};

} // namespace gibbetry
