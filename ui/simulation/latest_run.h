#pragma once

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace quillmar {

// Work for the window that takes too long for its thread, run on Qt's thread pool one
// piece at a time with the newest winning: a request while one runs raises the running
// one's stop flag and takes the place of any request already waiting, so a burst of
// edits never queues stale work, and only the newest request's result is delivered (on
// the window's thread). The work gets a copy of everything it reads.
template <class Result> class LatestRun {
public:
    using Stop = std::function<bool()>;
    using Work = std::function<Result(const Stop& stop)>;

    explicit LatestRun(std::function<void(Result)> delivered) : delivered_(std::move(delivered)) {
        QObject::connect(&watcher_, &QFutureWatcherBase::finished, &watcher_,
                         [this] { finished(); });
    }
    // Waits for the running work, which then stops at its next look at the flag (the
    // watcher of work never started has no future to wait for).
    ~LatestRun() {
        cancel();
        watcher_.disconnect();
        if (running_) {
            watcher_.waitForFinished();
        }
    }
    LatestRun(const LatestRun&) = delete;
    LatestRun& operator=(const LatestRun&) = delete;

    void start(Work work) {
        if (running_) {
            stop_->store(true, std::memory_order_relaxed);
            waiting_ = std::move(work);
            return;
        }
        launch(std::move(work));
    }
    // Stops the running work and drops the waiting one: nothing more is delivered.
    void cancel() {
        waiting_.reset();
        if (running_) {
            stop_->store(true, std::memory_order_relaxed);
        }
    }
    bool busy() const { return running_; }

private:
    void launch(Work work) {
        running_ = true;
        stop_ = std::make_shared<std::atomic<bool>>(false);
        watcher_.setFuture(QtConcurrent::run([work = std::move(work), stop = stop_] {
            return work([stop] { return stop->load(std::memory_order_relaxed); });
        }));
    }
    void finished() {
        running_ = false;
        if (waiting_) {
            Work next = std::move(*waiting_);
            waiting_.reset();
            launch(std::move(next));
            return;
        }
        if (!stop_->load(std::memory_order_relaxed)) {
            delivered_(watcher_.future().takeResult());
        }
    }

    std::function<void(Result)> delivered_;
    QFutureWatcher<Result> watcher_;
    std::shared_ptr<std::atomic<bool>> stop_;
    std::optional<Work> waiting_;
    bool running_ = false;
};

} // namespace quillmar
