#include "thread_base.h"

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

namespace fif {
namespace {

std::atomic<int> gRunningThreads{0};
std::atomic<bool> gRefuseThreads{false};

}  // namespace

TThread::TThread(std::shared_ptr<Dispatcher> dispatcher) : dispatcher_(std::move(dispatcher)) {}

TThread::~TThread() {
    // A self-freeing thread is detached before its body; any other is joined here
    // unless its owner already waited for it.
    if (thread_.joinable()) thread_.join();
}

void TThread::Start() {
    // The worker waits until thread_ is in place, so that a self-freeing thread cannot
    // delete itself while Start() still touches it. The promise is Start()'s own: setting
    // it is the last thing Start() does with this thread.
    std::promise<void> started;
    gRunningThreads.fetch_add(1);
    try {
        if (gRefuseThreads.load()) throw std::system_error(EAGAIN, std::generic_category());
        thread_ = std::thread([this, ready = started.get_future()]() mutable { Run(std::move(ready)); });
    } catch (const std::system_error& e) {
        gRunningThreads.fetch_sub(1);
        throw std::runtime_error(std::string("Thread creation error: ") + e.code().message());
    }
    if (FreeOnTerminate) thread_.detach();
    started.set_value();
}

void TThread::WaitFor() {
    if (thread_.joinable()) thread_.join();
}

void TThread::Synchronize(const std::function<void()>& call) {
    std::exception_ptr failure;
    const bool ran = dispatcher_->RunAndWait([&] {
        try {
            call();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    if (!ran) throw DispatcherClosed();
    if (failure) std::rethrow_exception(failure);
}

void TThread::Run(std::future<void> started) {
    started.wait();
    if (!Terminated()) {
        try {
            Execute();
        } catch (...) {
            fatal_ = std::current_exception();
        }
    }
    if (OnTerminate) {
        try {
            Synchronize([this] { OnTerminate(this); });
        } catch (...) {
            // Nobody is left to tell: the user-interface side closed, or the handler failed.
        }
    }
    if (FreeOnTerminate) delete this;
    // The last thing a thread does; it touches nothing of the object any more.
    if (gRunningThreads.fetch_sub(1) == 1) gRunningThreads.notify_all();
}

void TThread::RefuseThreadsForTesting(bool refuse) { gRefuseThreads.store(refuse); }

int TThread::RunningThreads() { return gRunningThreads.load(); }

void TThread::WaitForAllThreads() {
    for (int running = gRunningThreads.load(); running != 0; running = gRunningThreads.load())
        gRunningThreads.wait(running);
}

}  // namespace fif
