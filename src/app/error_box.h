#pragma once

#include <QString>

#include <functional>

namespace fif {

// The text of the error box for a failure that escaped a handler: the failure's message,
// with a "." added when its last character sorts after "." (so "...", "!" and ")" get none).
QString ErrorBoxText(const QString& message);

// Shows the error box: a critical message box with an OK button, captioned with the
// application's title. Tests replace it so that no modal box blocks them.
void ShowErrorBox(const QString& message);

// Shows the error box for the failure being handled (call it from a catch block).
void ShowCurrentFailure();

// Runs an event handler; a failure that escapes it is shown in the error box and the
// program goes on. Handlers run through this so that no failure unwinds through Qt's own
// event delivery, which is not written for it.
template <typename Handler>
void RunHandler(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        ShowCurrentFailure();
    }
}
void SetErrorBoxForTesting(std::function<void(const QString& text)> box);

}  // namespace fif
