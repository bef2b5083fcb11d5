#include "file_mask.h"

#include "platform/code_page.h"
#include "search/text_match.h"

namespace fif {

std::string_view ExtractFileExt(std::string_view text) {
    // Walk forward by characters, so that no trail byte of a double-byte character is
    // taken for a delimiter.
    std::size_t lastDelimiter = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += codepage::CharLength(text, pos)) {
        const char c = text[pos];
        if (c == '.' || c == '/' || c == '\\' || c == ':') lastDelimiter = pos;
    }
    if (lastDelimiter == std::string_view::npos || text[lastDelimiter] != '.') return {};
    return text.substr(lastDelimiter);
}

bool MatchesMask(std::string_view fileName, std::string_view maskExtension) {
    if (maskExtension == ".*") return true;
    const std::string_view extension = ExtractFileExt(fileName);
    if (extension.size() != maskExtension.size()) return false;
    for (std::size_t i = 0; i < extension.size(); ++i)
        if (AsciiUpper(extension[i]) != AsciiUpper(maskExtension[i])) return false;
    return true;
}

}  // namespace fif
