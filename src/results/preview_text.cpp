#include "results/preview_text.h"

#include "search/text_match.h"

#include <algorithm>
#include <cstring>

namespace fif {

TViewerText ViewerTextFromBytes(std::string_view fileBytes) {
    TViewerText result;
    const std::string_view content = ContentBeforeNul(fileBytes);
    const std::size_t tabs = static_cast<std::size_t>(std::count(content.begin(), content.end(), '\t'));
    result.text.reserve(content.size() + tabs * (kViewerTabSize - 1));
    ForEachLine(content, [&](std::string_view line) {
        if (result.lineCount++ > 0) result.text.push_back('\n');
        // Copy runs without tabs in one go; most lines hold none.
        for (std::size_t start = 0; start <= line.size();) {
            const std::size_t tab = line.find('\t', start);
            const std::size_t end = tab == std::string_view::npos ? line.size() : tab;
            result.text.append(line.data() + start, end - start);
            if (tab == std::string_view::npos) break;
            result.text.append(kViewerTabSize, ' ');
            start = tab + 1;
        }
    });
    return result;
}

}  // namespace fif
