#include "queued_dispatcher.h"

namespace fif {

bool QueuedDispatcher::RunAndWait(const std::function<void()>& call) {
    Pending pending{&call};
    std::unique_lock lock(mutex_);
    if (closed_) return false;
    queue_.push_back(&pending);
    changed_.notify_all();
    changed_.wait(lock, [&] { return pending.finished; });
    return pending.ran;
}

void QueuedDispatcher::ProcessUntil(const std::function<bool()>& done) {
    std::unique_lock lock(mutex_);
    while (!done()) {
        changed_.wait(lock, [&] { return !queue_.empty() || closed_; });
        if (closed_) return;
        Pending* pending = queue_.front();
        queue_.pop_front();
        lock.unlock();
        (*pending->call)();
        lock.lock();
        pending->ran = true;
        pending->finished = true;
        changed_.notify_all();
    }
}

void QueuedDispatcher::Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    for (Pending* pending : queue_) pending->finished = true;
    queue_.clear();
    changed_.notify_all();
}

}  // namespace fif
