#pragma once

#include "dispatcher.h"

#include <atomic>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <thread>

namespace fif {

// A worker thread with a cooperative stop flag and synchronous calls into the
// user-interface thread.
//
// Life of a thread: Start() runs Execute() once on a thread of its own (skipped when a
// stop was requested before it began). A failure escaping Execute() is held, never shown.
// After the body, however it ended, OnTerminate runs once on the user-interface thread
// through the dispatcher; then, with FreeOnTerminate set, the object deletes itself on its
// own thread, so its creator must not touch it after OnTerminate has returned.
class TThread {
public:
    using TNotifyEvent = std::function<void(TThread* sender)>;

    // The thread shares the dispatcher, so that it can outlive the window that made it.
    explicit TThread(std::shared_ptr<Dispatcher> dispatcher);
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Creates the system thread. Throws std::runtime_error "Thread creation error: <reason>"
    // when the system refuses it; nothing runs then.
    void Start();

    // Asks the body to stop at its next check; returns at once. The flag is never cleared.
    void Terminate() { terminated_.store(true, std::memory_order_release); }

    // Blocks until the body and OnTerminate have run. Only for threads without FreeOnTerminate.
    void WaitFor();

    // Makes the system refuse every new thread, as it does when it has no room for one:
    // lets tests reach the failure path of Start().
    static void RefuseThreadsForTesting(bool refuse);

    // Threads started and not yet ended, a self-freeing one until after it deleted itself.
    static int RunningThreads();
    // Blocks until RunningThreads() is 0. For tests and tools that must not tear down what
    // a finishing thread may still touch (the dispatcher) before it has ended.
    static void WaitForAllThreads();

    // The failure that ended the body, if any.
    std::exception_ptr FatalException() const { return fatal_; }

    bool FreeOnTerminate = false;
    TNotifyEvent OnTerminate;

protected:
    virtual void Execute() = 0;

    bool Terminated() const { return terminated_.load(std::memory_order_acquire); }

    // Runs `call` on the user-interface thread and waits for it. A failure raised by the
    // call is raised again here. Throws DispatcherClosed when the call could not run
    // because the user-interface side has stopped serving calls.
    void Synchronize(const std::function<void()>& call);

private:
    void Run(std::future<void> started);

    const std::shared_ptr<Dispatcher> dispatcher_;
    // Written by the user-interface thread (Terminate), read by the worker.
    std::atomic<bool> terminated_{false};
    std::exception_ptr fatal_;  // written by the worker only, read after WaitFor
    std::thread thread_;
};

// Raised by Synchronize when the user-interface side no longer serves calls.
class DispatcherClosed : public std::exception {
public:
    const char* what() const noexcept override { return "the user-interface thread serves no more calls"; }
};

}  // namespace fif
