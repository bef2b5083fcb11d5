#include "platform/queued_dispatcher.h"
#include "platform/thread_base.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace fif {
namespace {

// A thread whose body is a function, started by the test itself.
class ProbeThread : public TThread {
public:
    ProbeThread(std::shared_ptr<Dispatcher> dispatcher, std::function<void(ProbeThread&)> body)
        : TThread(dispatcher), body_(std::move(body)) {}
    using TThread::Synchronize;
    using TThread::Terminated;
    bool ran = false;

protected:
    void Execute() override {
        ran = true;
        body_(*this);
    }

private:
    std::function<void(ProbeThread&)> body_;
};

struct ThreadBaseTest : testing::Test {
    std::shared_ptr<QueuedDispatcher> dispatcher = std::make_shared<QueuedDispatcher>();
    int completions = 0;
    std::thread::id completionThread;
    TThread::TNotifyEvent Completion() {
        return [this](TThread*) {
            ++completions;
            completionThread = std::this_thread::get_id();
        };
    }
    void RunUntilCompleted() {
        dispatcher->ProcessUntil([&] { return completions > 0; });
    }
};

TEST_F(ThreadBaseTest, CompletionRunsOnceOnTheDispatchingThread) {
    ProbeThread thread(dispatcher, [](ProbeThread&) {});
    thread.OnTerminate = Completion();
    thread.Start();
    RunUntilCompleted();
    thread.WaitFor();
    EXPECT_TRUE(thread.ran);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(completionThread, std::this_thread::get_id());
}

TEST_F(ThreadBaseTest, BodyIsSkippedWhenStoppedBeforeItBegins) {
    ProbeThread thread(dispatcher, [](ProbeThread&) {});
    thread.OnTerminate = Completion();
    thread.Terminate();
    thread.Start();
    RunUntilCompleted();
    thread.WaitFor();
    EXPECT_FALSE(thread.ran);
    EXPECT_EQ(completions, 1);
}

TEST_F(ThreadBaseTest, FailureOfTheBodyIsHeldAndCompletionStillRuns) {
    ProbeThread thread(dispatcher, [](ProbeThread&) { throw std::runtime_error("disk gone"); });
    thread.OnTerminate = Completion();
    thread.Start();
    RunUntilCompleted();
    thread.WaitFor();
    ASSERT_TRUE(thread.FatalException());
    EXPECT_THROW(std::rethrow_exception(thread.FatalException()), std::runtime_error);
    EXPECT_EQ(completions, 1);
}

TEST_F(ThreadBaseTest, FailureOfASynchronousCallIsRaisedAgainInTheWorker) {
    std::string caught;
    ProbeThread thread(dispatcher, [&](ProbeThread& self) {
        try {
            self.Synchronize([] { throw std::runtime_error("from the window"); });
        } catch (const std::runtime_error& e) {
            caught = e.what();
        }
    });
    thread.OnTerminate = Completion();
    thread.Start();
    RunUntilCompleted();
    thread.WaitFor();
    EXPECT_EQ(caught, "from the window");
}

TEST_F(ThreadBaseTest, ClosedDispatcherReleasesTheWorkerAndRunsNothing) {
    dispatcher->Close();
    bool called = false;
    ProbeThread thread(dispatcher, [&](ProbeThread& self) { self.Synchronize([&] { called = true; }); });
    thread.OnTerminate = Completion();
    thread.Start();
    thread.WaitFor();
    EXPECT_FALSE(called);
    EXPECT_EQ(completions, 0);
    EXPECT_THROW(std::rethrow_exception(thread.FatalException()), DispatcherClosed);
}

TEST_F(ThreadBaseTest, StopFlagIsSeenByTheBody) {
    std::atomic<bool> sawStop{false};
    ProbeThread* thread = new ProbeThread(dispatcher, [&](ProbeThread& self) {
        self.Synchronize([&] { self.Terminate(); });
        sawStop = self.Terminated();
    });
    thread->OnTerminate = Completion();
    thread->FreeOnTerminate = true;  // frees itself: AddressSanitizer checks nothing leaks or is freed twice
    thread->Start();
    RunUntilCompleted();
    TThread::WaitForAllThreads();
    EXPECT_TRUE(sawStop);
    EXPECT_EQ(TThread::RunningThreads(), 0);
}

}  // namespace
}  // namespace fif
