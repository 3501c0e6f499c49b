#pragma once
// The pad designer's long computations, on a thread of their own so that
// the window never waits for them: the latest design asked is worked out,
// and asking another stops the one running at its next step.

#include "text/designer.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace velkor::ui {

class DesignWorker {
public:
    /// The number a request was given, and its design worked out: its row,
    /// or why it has none.
    using Done = std::function<void(std::uint64_t number, PadDesign design)>;

    /// `done` runs on `receiver`'s thread, once for each design finished;
    /// a design stopped before its end is dropped.
    DesignWorker(QObject* receiver, Done done);
    /// Stops the design running and waits for the thread to end.
    ~DesignWorker();
    DesignWorker(const DesignWorker&) = delete;
    DesignWorker& operator=(const DesignWorker&) = delete;

    /// Asks for `d` to be worked out in place of any design asked before,
    /// which stops; returns the request's number, higher than any before.
    std::uint64_t ask(PadDesign d);
    /// Stops the design running, and drops one still waiting.
    void stop();

private:
    void run(std::stop_token stop);

    QObject* receiver_;
    Done done_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<PadDesign> waiting_;           ///< asked, not yet begun; under mutex_
    std::atomic<std::uint64_t> latest_ = 0;      ///< the number of the latest request, or of the latest stop
    std::jthread thread_;                        ///< last: started once the rest stands
};

} // namespace velkor::ui
