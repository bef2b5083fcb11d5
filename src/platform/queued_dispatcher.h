#pragma once

#include "dispatcher.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace fif {

// A dispatcher for programs without an event loop: worker threads queue their calls,
// and the thread that owns the dispatcher runs them in ProcessUntil().
//
// A search makes one call per file, so the hand-over must be cheap: both sides spin for a
// short while before they sleep, which turns most hand-overs into a cache-line transfer
// instead of two wake-ups of a sleeping thread.
class QueuedDispatcher : public Dispatcher {
public:
    bool RunAndWait(const std::function<void()>& call) override;

    // Runs queued calls on the calling thread until `done()` holds after a call (or at once).
    void ProcessUntil(const std::function<bool()>& done);

    // From now on no call is run: queued ones are dropped and their callers released.
    void Close();

private:
    struct Pending {
        const std::function<void()>* call;
        bool ran = false;                // written before `finished`, read after it
        std::atomic<bool> finished{false};
    };

    std::mutex mutex_;
    std::condition_variable changed_;  // a call was queued, finished, or the dispatcher closed
    std::deque<Pending*> queue_;       // guarded by mutex_
    bool closed_ = false;              // guarded by mutex_
    // Mirrors of queue_.size() and closed_ that the spinning sides read without the lock.
    std::atomic<int> queued_{0};
    std::atomic<bool> closedFlag_{false};
};

}  // namespace fif
