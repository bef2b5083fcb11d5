#include "platform/qt_dispatcher.h"

#include <QCoreApplication>
#include <QEvent>

namespace fif {
namespace {

const QEvent::Type kRunQueuedCalls = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

void QtDispatcher::WakeProcessor() {
    // postEvent is safe from any thread; the event loop runs the calls between user events.
    QCoreApplication::postEvent(this, new QEvent(kRunQueuedCalls));
}

bool QtDispatcher::event(QEvent* event) {
    if (event->type() != kRunQueuedCalls) return QObject::event(event);
    RunQueuedCalls();
    return true;
}

}  // namespace fif
