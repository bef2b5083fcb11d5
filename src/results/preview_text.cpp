#include "results/preview_text.h"

#include "search/text_match.h"

namespace fif {

std::size_t WriteViewerText(std::string_view fileBytes, const std::function<void(std::string_view)>& sink,
                            std::size_t pieceSize) {
    std::string piece;
    piece.reserve(pieceSize + kViewerTabSize);
    const auto append = [&](const char* data, std::size_t size) {
        while (size > 0) {
            const std::size_t room = pieceSize > piece.size() ? pieceSize - piece.size() : 0;
            const std::size_t taken = size < room ? size : room;
            piece.append(data, taken);
            data += taken;
            size -= taken;
            if (piece.size() >= pieceSize) {
                sink(piece);
                piece.clear();
            }
        }
    };
    static constexpr char kTabSpaces[] = "    ";
    static_assert(sizeof(kTabSpaces) - 1 == kViewerTabSize);

    std::size_t lines = 0;
    ForEachLine(ContentBeforeNul(fileBytes), [&](std::string_view line) {
        if (lines++ > 0) append("\n", 1);
        // Runs without tabs go in one piece; most lines hold none.
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            const std::size_t end = tab == std::string_view::npos ? line.size() : tab;
            append(line.data() + start, end - start);
            if (tab == std::string_view::npos) break;
            append(kTabSpaces, kViewerTabSize);
            start = tab + 1;
        }
    });
    if (!piece.empty()) sink(piece);
    return lines;
}

TViewerText ViewerTextFromBytes(std::string_view fileBytes) {
    TViewerText result;
    result.lineCount = WriteViewerText(fileBytes, [&](std::string_view piece) { result.text.append(piece); });
    return result;
}

}  // namespace fif
