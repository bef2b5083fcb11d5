#pragma once

#include <functional>

namespace fif {

// Runs a call on the user-interface thread and blocks the caller until it has run there.
// The window supplies one on Qt's event loop; tests and the benchmark use QueuedDispatcher.
class Dispatcher {
public:
    virtual ~Dispatcher() = default;

    // Runs `call` on the user-interface thread and returns once it has run: true.
    // Returns false without running it when the dispatcher no longer serves calls
    // (the window is closing). `call` never throws.
    virtual bool RunAndWait(const std::function<void()>& call) = 0;
};

}  // namespace fif
