#include "queued_dispatcher.h"

#include <chrono>
#include <thread>

namespace fif {
namespace {

// Long enough to cover the reading of a typical source file on the other side.
constexpr auto kSpinTime = std::chrono::microseconds(100);
// Busy-waiting only pays while the other side runs on another core at the same time. After
// this much of it the waiter yields its core instead, so that on a busy machine the other
// side gets to run rather than waiting for the scheduler to preempt a spinner.
constexpr auto kBusyTime = std::chrono::microseconds(20);

template <typename Ready>
void SpinUntil(Ready&& ready) {
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; !ready(); ++round) {
        if ((round & 31) != 31) {
#if defined(__x86_64__) || defined(__i386__)
            __builtin_ia32_pause();
#endif
            continue;
        }
        const auto spent = std::chrono::steady_clock::now() - start;
        if (spent > kSpinTime) return;
        if (spent > kBusyTime) std::this_thread::yield();
    }
}

}  // namespace

bool QueuedDispatcher::RunAndWait(const std::function<void()>& call) {
    Pending pending{&call};
    {
        std::lock_guard lock(mutex_);
        if (closed_) return false;
        queue_.push_back(&pending);
        queued_.fetch_add(1, std::memory_order_release);
        // Under the lock, so that once Close() has returned no worker wakes anything.
        WakeProcessor();
    }
    changed_.notify_all();
    SpinUntil([&] { return pending.finished.load(std::memory_order_acquire); });
    if (!pending.finished.load(std::memory_order_acquire)) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return pending.finished.load(std::memory_order_acquire); });
    }
    return pending.ran;
}

void QueuedDispatcher::ProcessUntil(const std::function<bool()>& done) {
    while (!done()) {
        SpinUntil([&] {
            return queued_.load(std::memory_order_acquire) > 0 || closedFlag_.load(std::memory_order_acquire);
        });
        Pending* pending;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return !queue_.empty() || closed_; });
            if (closed_) return;
            pending = queue_.front();
            queue_.pop_front();
            queued_.fetch_sub(1, std::memory_order_relaxed);
        }
        RunOne(pending);
    }
}

void QueuedDispatcher::RunQueuedCalls() {
    for (;;) {
        Pending* pending;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty() || closed_) return;
            pending = queue_.front();
            queue_.pop_front();
            queued_.fetch_sub(1, std::memory_order_relaxed);
        }
        RunOne(pending);
    }
}

void QueuedDispatcher::RunOne(Pending* pending) {
    (*pending->call)();
    {
        std::lock_guard lock(mutex_);
        pending->ran = true;
        pending->finished.store(true, std::memory_order_release);
    }
    changed_.notify_all();
}

void QueuedDispatcher::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        closedFlag_.store(true, std::memory_order_release);
        for (Pending* pending : queue_) pending->finished.store(true, std::memory_order_release);
        queue_.clear();
        queued_.store(0, std::memory_order_relaxed);
    }
    changed_.notify_all();
}

}  // namespace fif
