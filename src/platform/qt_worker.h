#pragma once

#include "platform/worker.h"

#include <QObject>

namespace gibbetry {

// Each work on a thread of its own, which a read hung in the kernel may keep for ever: no pool
// would wait for it at exit. Nothing of a work is delivered once the worker is gone.
class QtWorker final : public QObject, public Worker {
public:
    void run(std::function<void()> work, std::chrono::milliseconds limit,
             std::function<void(bool finished)> done) override;
};

} // namespace gibbetry
