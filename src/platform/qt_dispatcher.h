#pragma once

#include "platform/queued_dispatcher.h"

#include <QObject>

namespace fif {

// Runs the worker's synchronous calls on the thread this object lives on (the
// user-interface thread), woken through Qt's event loop. Once Close() was called, calls
// are no longer run and waiting workers are released, so that no call can reach a
// window that is closing or gone.
class QtDispatcher : public QObject, public QueuedDispatcher {
public:
    explicit QtDispatcher(QObject* parent = nullptr) : QObject(parent) {}

protected:
    void WakeProcessor() override;
    bool event(QEvent* event) override;
};

}  // namespace fif
