#pragma once

#include <QApplication>

namespace fif {

// The application object: one fixed look, and a failure that escapes an event handler is
// shown in the error box while the program goes on.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace fif
