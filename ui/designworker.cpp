#include "designworker.h"

#include <QMetaObject>

namespace velkor::ui {

DesignWorker::DesignWorker(QObject* receiver, Done done)
    : receiver_(receiver), done_(std::move(done)), thread_([this](std::stop_token stop) { run(stop); })
{
}

DesignWorker::~DesignWorker()
{
    stop();
    thread_.request_stop();
    thread_.join();
}

std::uint64_t DesignWorker::ask(PadDesign d)
{
    const std::lock_guard lock(mutex_);
    waiting_ = std::move(d);
    wake_.notify_one();
    return ++latest_;
}

void DesignWorker::stop()
{
    const std::lock_guard lock(mutex_);
    waiting_.reset();
    ++latest_;
}

void DesignWorker::run(std::stop_token stop)
{
    for (;;) {
        std::unique_lock lock(mutex_);
        if (!wake_.wait(lock, stop, [this] { return waiting_.has_value(); }))
            return;   // the window is going
        PadDesign d = std::move(*waiting_);
        waiting_.reset();
        const std::uint64_t number = latest_;
        lock.unlock();
        // Stopped when another design is asked, or the window goes.
        const Cancel cancel = [&] { return stop.stop_requested() || latest_ != number; };
        if (!workOut(d, cancel))
            continue;
        QMetaObject::invokeMethod(
            receiver_, [done = done_, number, d = std::move(d)]() mutable { done(number, std::move(d)); },
            Qt::QueuedConnection);
    }
}

} // namespace velkor::ui
