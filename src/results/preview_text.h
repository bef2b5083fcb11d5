#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace fif {

// Spaces that stand for one tab in the viewer, wherever the tab stands (no tab stops).
inline constexpr int kViewerTabSize = 4;

// The text the viewer holds for a file.
struct TViewerText {
    std::string text;           // the lines joined by LF, no line end after the last
    std::size_t lineCount = 0;  // 0 for empty content, although the joined text is then ""
};

// Cuts a file's bytes into lines by the same rules as the search (content ends at the
// first NUL; CR, LF and CR LF end a line), so the viewer holds the lines that were
// searched, and widens every tab to kViewerTabSize spaces. No byte is decoded. The text
// goes to `sink` in consecutive pieces of about `pieceSize` bytes, cut anywhere, so that
// a large file need not be copied whole once more. Returns the number of lines.
std::size_t WriteViewerText(std::string_view fileBytes, const std::function<void(std::string_view)>& sink,
                            std::size_t pieceSize = std::size_t(1) << 20);

// The same text in one piece.
TViewerText ViewerTextFromBytes(std::string_view fileBytes);

}  // namespace fif
