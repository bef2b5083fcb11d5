#pragma once

#include "platform/queued_dispatcher.h"

#include <QObject>

#include <memory>

namespace fif {

// Runs the worker's synchronous calls on the user-interface thread, woken through Qt's
// event loop. Once Close() was called, calls are no longer run and waiting workers are
// released, so that no call can reach a window that is closing or gone.
//
// The dispatcher is shared by the window and its workers and may outlive the window; the
// part that lives in Qt's event loop (the waker) belongs to the window and is never
// touched once the dispatcher is closed.
class QtDispatcher : public QueuedDispatcher {
public:
    // `owner` lives on the user-interface thread; the waker is its child.
    static std::shared_ptr<QtDispatcher> Create(QObject* owner);

    // Refuses all further calls and lets go of the waker. Call it before the owner dies.
    void CloseAndDetach();

protected:
    void WakeProcessor() override;

private:
    class Waker;
    Waker* waker_ = nullptr;  // cleared under the queue's lock by CloseAndDetach
};

}  // namespace fif
