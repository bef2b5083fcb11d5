#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fif {

// The byte rules of a text file, shared by the search and the preview:
// the content ends at its first NUL byte; a line ends at CR, at LF or at the pair CR LF;
// a last line without a line end counts; a line end at the very end adds no empty line.

// The content before the first NUL byte.
std::string_view ContentBeforeNul(std::string_view bytes);

// Calls `line(text)` for each line of `content` (which must already end before any NUL).
template <typename LineFn>
void ForEachLine(std::string_view content, LineFn&& line) {
    std::size_t start = 0;
    const std::size_t size = content.size();
    while (start < size) {
        std::size_t end = start;
        while (end < size && content[end] != '\r' && content[end] != '\n') ++end;
        line(content.substr(start, end - start));
        if (end < size && content[end] == '\r' && end + 1 < size && content[end + 1] == '\n') ++end;
        start = end + 1;
    }
}

// The lines of a file's bytes, by the rules above (NUL included).
std::vector<std::string_view> SplitLines(std::string_view bytes);

// ASCII case folding: only the 26 letters change; every other byte stays as it is.
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);

// A literal search text, compared with ASCII case folded.
class FoldedPattern {
public:
    explicit FoldedPattern(std::string_view text);

    // True when the text can never occur in a line: it is empty, or holds a line end or a
    // NUL, which no line does.
    bool MatchesNothing() const { return never_; }
    std::size_t Size() const { return folded_.size(); }

    // Offset of the first occurrence in `haystack`, or npos. The haystack may span several
    // lines: since the pattern holds no line end, no occurrence can cross one.
    std::size_t Find(std::string_view haystack) const;

private:
    std::string folded_;  // lower-cased
    bool never_;
};

// Feeds a file's content chunk by chunk and tells whether a line of it holds the pattern,
// exactly as testing each line of the whole content would, with bounded memory.
class StreamMatcher {
public:
    explicit StreamMatcher(const FoldedPattern& pattern);

    // Takes the next chunk. Returns true once the rest of the content need not be read:
    // a match was found or the content ended at a NUL.
    bool Feed(std::string_view chunk);

    bool Found() const { return found_; }

private:
    const FoldedPattern& pattern_;
    std::string tail_;  // the last Size()-1 bytes seen, where a match may begin
    bool found_ = false;
    bool ended_ = false;
};

}  // namespace fif
