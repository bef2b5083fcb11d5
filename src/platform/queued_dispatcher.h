#pragma once

#include "dispatcher.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace fif {

// Worker threads queue their calls; the user-interface thread runs them, either in
// ProcessUntil() (programs without an event loop) or in RunQueuedCalls() when its event
// loop is woken (see WakeProcessor).
//
// A search makes one call per file, so the hand-over must be cheap: both sides spin for a
// short while before they sleep, which turns most hand-overs into a cache-line transfer
// instead of two wake-ups of a sleeping thread.
class QueuedDispatcher : public Dispatcher {
public:
    bool RunAndWait(const std::function<void()>& call) override;

    // Runs queued calls on the calling thread until `done()` holds after a call (or at once).
    void ProcessUntil(const std::function<bool()>& done);

    // Runs the calls queued now, without waiting for more.
    void RunQueuedCalls();

    // From now on no call is run: queued ones are dropped and their callers released.
    void Close();

protected:
    // Called on the worker's thread after each call was queued, to wake an event loop.
    // Runs under the queue's lock: it must not call back into the dispatcher.
    virtual void WakeProcessor() {}

private:
    struct Pending;
    void RunOne(Pending* pending);

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
