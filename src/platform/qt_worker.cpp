#include "platform/qt_worker.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QTimer>

#include <memory>
#include <thread>

namespace gibbetry {

void QtWorker::run(std::function<void()> work, std::chrono::milliseconds limit,
                   std::function<void(bool finished)> done)
{
    QPromise<void> promise;
    auto *watcher = new QFutureWatcher<void>(this);
    auto *timer = new QTimer(watcher);
    timer->setSingleShot(true);
    auto report = std::make_shared<std::function<void(bool)>>(std::move(done));
    // Whichever comes first, the end of the work or the limit, reports; the other is dropped with
    // the watcher.
    auto finish = [watcher, report](bool finished) {
        watcher->disconnect();
        watcher->deleteLater();
        if (*report)
            std::exchange(*report, nullptr)(finished);
    };
    connect(watcher, &QFutureWatcherBase::finished, watcher, [finish] { finish(true); });
    connect(timer, &QTimer::timeout, watcher, [finish] { finish(false); });
    watcher->setFuture(promise.future());
    promise.start();
    std::thread([promise = std::move(promise), work = std::move(work)]() mutable {
        work();
        promise.finish();
    }).detach();
    timer->start(limit);
}

} // namespace gibbetry
