#include "platform/qt_dispatcher.h"

#include <QCoreApplication>
#include <QEvent>

namespace fif {
namespace {

const QEvent::Type kRunQueuedCalls = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

// Receives the wake-up events on the user-interface thread and runs the queued calls.
class QtDispatcher::Waker : public QObject {
public:
    Waker(QObject* owner, QtDispatcher* dispatcher) : QObject(owner), dispatcher_(dispatcher) {}

    bool event(QEvent* event) override {
        if (event->type() != kRunQueuedCalls) return QObject::event(event);
        dispatcher_->RunQueuedCalls();
        return true;
    }

private:
    QtDispatcher* dispatcher_;  // outlives the waker: the owner holds it until it detaches
};

std::shared_ptr<QtDispatcher> QtDispatcher::Create(QObject* owner) {
    auto dispatcher = std::make_shared<QtDispatcher>();
    dispatcher->waker_ = new Waker(owner, dispatcher.get());
    return dispatcher;
}

void QtDispatcher::CloseAndDetach() {
    Close();  // takes the queue's lock: no worker is inside WakeProcessor after this
    waker_ = nullptr;
}

void QtDispatcher::WakeProcessor() {
    // Runs under the queue's lock and only while open; postEvent is safe from any thread.
    if (waker_) QCoreApplication::postEvent(waker_, new QEvent(kRunQueuedCalls));
}

}  // namespace fif
