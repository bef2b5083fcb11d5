#include "results/preview_find.h"

#include "platform/code_page.h"

#include <algorithm>

namespace fif {
namespace {

// The start of the line that holds `pos`, looking back no further than `floor`.
std::size_t LineStart(std::string_view text, std::size_t pos, std::size_t floor) {
    while (pos > floor && text[pos - 1] != '\n' && text[pos - 1] != '\r') --pos;
    return pos;
}

}  // namespace

std::size_t FindAtCharacterStart(const FoldedPattern& pattern, std::string_view text, std::size_t from) {
    // `walk` always stands on a character start at or before the candidate. Line ends are
    // single bytes that no multi-byte character holds, so each line start is one too, and
    // the walk never needs to begin before the candidate's line.
    std::size_t walk = from;
    for (std::size_t pos = from; pos < text.size();) {
        const std::size_t hit = pattern.Find(text.substr(pos));
        if (hit == std::string_view::npos) return std::string_view::npos;
        const std::size_t candidate = pos + hit;
        walk = std::max(walk, LineStart(text, candidate, walk));
        while (walk < candidate) walk += codepage::CharLength(text, walk);
        if (walk == candidate) return candidate;
        pos = candidate + 1;
    }
    return std::string_view::npos;
}

}  // namespace fif
