#pragma once

#include "results/memo_styler.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fif {

// Style numbers of the viewer's own lexer. Element styles follow in the order of the
// style's AllStyles; Scintilla keeps 32 and above for itself, so a style with more than
// kMaxElementStyles elements leaves the rest uncoloured.
inline constexpr int kPlainTextStyle = 0;
inline constexpr int kCommentStyle = 1;
inline constexpr int kNumberStyle = 2;
inline constexpr int kUrlStyle = 3;
inline constexpr int kFirstElementStyle = 4;
inline constexpr int kMaxElementStyles = 32 - kFirstElementStyle;

// How a syntax style cuts a line into coloured tokens: comments (a line comment, and
// multi-line comments carried from line to line), numbers (with the style's hex prefix),
// the words of each keyword group (ASCII case ignored), bracketed spans such as string
// literals (ending at the line's end when unclosed), the characters of each symbol set,
// and web addresses over all of these. Comments come first, then bracketed spans,
// numbers, keywords and symbols; within one kind the earlier element wins.
class TMemoLexerRules {
public:
    explicit TMemoLexerRules(const TMemoStylerSettings& style);

    // Writes one style number per byte of `line` (a line without its line end) into
    // `styles`. `inComment` tells whether the line begins inside a multi-line comment;
    // returns whether it ends inside one.
    bool StyleLine(std::string_view line, bool inComment, char* styles) const;

private:
    struct TKeyword {
        std::string folded;
        int style;
    };

    // Returns the end of a token that starts at `pos`, writing its style; `pos` when none.
    std::size_t Comment(std::string_view line, std::size_t pos, char* styles, bool& inComment) const;
    std::size_t Number(std::string_view line, std::size_t pos, char* styles) const;
    std::size_t Keyword(std::string_view line, std::size_t pos, char* styles) const;
    static std::size_t WebAddress(std::string_view line, std::size_t pos, char* styles);
    static void MarkWebAddresses(std::string_view line, char* styles);

    std::string lineComment_;
    std::string commentLeft_;
    std::string commentRight_;
    std::string hexPrefix_;                                // ASCII lower-cased
    std::unordered_map<std::string, int> wordKeywords_;    // lower-cased word -> style
    std::array<std::vector<TKeyword>, 256> otherKeywords_; // the rest, by first byte, longest first
    std::array<int, 256> bracketStyle_;                    // -1: no bracket starts with the byte
    std::array<char, 256> bracketEnd_;
    std::array<int, 256> symbolStyle_;                     // -1: in no symbol set
};

}  // namespace fif
