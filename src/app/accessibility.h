#pragma once

namespace fif {

class TForm1;

// Prepares the window for screen readers and for work without a mouse: every control gets
// an accessible name (and where it helps a description) in the window's language, the
// status bar's panels say what they show, and the result list takes two keys of its own:
// Enter on the focused row loads the preview as a mouse release over the list does, and
// Ctrl+Enter opens the file with its associated program as a double-click does. Every
// other key, Space and the arrows included, stays the list's own.
// Call once, after the window's controls exist.
void DescribeForScreenReaders(TForm1& form);

}  // namespace fif
