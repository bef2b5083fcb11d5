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
void SetErrorBoxForTesting(std::function<void(const QString& text)> box);

}  // namespace fif
