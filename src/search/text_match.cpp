#include "text_match.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fif {

std::string_view ContentBeforeNul(std::string_view bytes) {
    const void* nul = std::memchr(bytes.data(), 0, bytes.size());
    return nul ? bytes.substr(0, static_cast<const char*>(nul) - bytes.data()) : bytes;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    ForEachLine(ContentBeforeNul(bytes), [&](std::string_view line) { lines.push_back(line); });
    return lines;
}

std::string AsciiUpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiUpper(c);
    return out;
}

std::string AsciiLowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

FoldedPattern::FoldedPattern(std::string_view text)
    : folded_(AsciiLowerCase(text)),
      never_(text.empty() || text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {}

namespace {

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

// Compares `size` bytes of `text` with the lower-cased `folded`, folding `text` as it goes.
bool EqualsFolded(const char* text, const char* folded, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        if (AsciiLower(text[i]) != folded[i]) return false;
    return true;
}

}  // namespace

// Looks for the first and the last byte of the pattern at their distance, sixteen
// positions at a time, and checks the bytes between only where both agree. A lower-case
// letter c matches exactly the bytes b with (b | 0x20) == c, so the fold costs one OR.
std::size_t FoldedPattern::Find(std::string_view haystack) const {
    const std::size_t m = folded_.size();
    if (never_ || haystack.size() < m) return std::string_view::npos;
    const char* text = haystack.data();
    const std::size_t last = haystack.size() - m;  // the last possible start
    const char first = folded_[0];
    const char final = folded_[m - 1];
    const char firstFold = IsLetter(first) ? 0x20 : 0;
    const char finalFold = IsLetter(final) ? 0x20 : 0;
    std::size_t pos = 0;
#if defined(__SSE2__)
    const __m128i firstVec = _mm_set1_epi8(first), finalVec = _mm_set1_epi8(final);
    const __m128i firstOr = _mm_set1_epi8(firstFold), finalOr = _mm_set1_epi8(finalFold);
    for (; pos + 16 <= last + 1; pos += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + pos));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + pos + m - 1));
        const __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstOr), firstVec),
                                           _mm_cmpeq_epi8(_mm_or_si128(b, finalOr), finalVec));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        while (mask != 0) {
            const std::size_t at = pos + static_cast<std::size_t>(__builtin_ctz(mask));
            if (EqualsFolded(text + at + 1, folded_.data() + 1, m > 2 ? m - 2 : 0)) return at;
            mask &= mask - 1;
        }
    }
#endif
    for (; pos <= last; ++pos) {
        if (static_cast<char>(text[pos] | firstFold) == first && static_cast<char>(text[pos + m - 1] | finalFold) == final &&
            EqualsFolded(text + pos + 1, folded_.data() + 1, m > 2 ? m - 2 : 0))
            return pos;
    }
    return std::string_view::npos;
}

StreamMatcher::StreamMatcher(const FoldedPattern& pattern) : pattern_(pattern) {}

bool StreamMatcher::Feed(std::string_view chunk) {
    if (found_ || ended_) return true;
    if (pattern_.MatchesNothing()) {
        ended_ = true;  // nothing can match, so nothing more needs reading
        return true;
    }
    const std::string_view content = ContentBeforeNul(chunk);
    ended_ = content.size() < chunk.size();
    const std::size_t keep = pattern_.Size() - 1;
    if (!tail_.empty()) {
        // An occurrence that starts in the previous chunk and ends in this one.
        std::string seam = tail_;
        seam.append(content.substr(0, keep));
        if (pattern_.Find(seam) != std::string_view::npos) return found_ = true;
    }
    if (pattern_.Find(content) != std::string_view::npos) return found_ = true;
    if (keep > 0) {
        if (content.size() >= keep) {
            tail_.assign(content.substr(content.size() - keep));
        } else {
            tail_.append(content);
            if (tail_.size() > keep) tail_.erase(0, tail_.size() - keep);
        }
    }
    return ended_;
}

}  // namespace fif
