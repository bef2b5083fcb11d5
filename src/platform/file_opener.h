#pragma once

#include <QString>

#include <functional>

namespace fif {

// Opens a file with the program the desktop associates with its type, never through a
// shell. `path` is absolute; bytes of it that are not valid UTF-8 travel as U+DC80..U+DCFF. The result is not reported: whatever the desktop does with the path is its own.
void OpenWithAssociatedProgram(const QString& path);

// Tests replace the opener so that no real program is ever launched; an empty function
// restores the desktop's.
void SetFileOpenerForTesting(std::function<void(const QString&)> opener);

}  // namespace fif
