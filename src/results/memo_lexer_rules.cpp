#include "results/memo_lexer_rules.h"

#include "search/text_match.h"

#include <algorithm>
#include <cstring>

namespace fif {
namespace {

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// Letters, digits, the underscore and every byte of a non-ASCII character make up words,
// so that an identifier in a national script stays one word.
bool IsWordByte(char c) {
    const unsigned char b = Byte(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_' || b >= 0x80;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// True when `line` holds `folded` (ASCII lower-cased) at `pos`, ASCII case ignored.
bool HasFoldedAt(std::string_view line, std::size_t pos, std::string_view folded) {
    if (folded.empty() || line.size() - pos < folded.size()) return false;
    for (std::size_t i = 0; i < folded.size(); ++i)
        if (AsciiLower(line[pos + i]) != folded[i]) return false;
    return true;
}

bool HasAt(std::string_view line, std::size_t pos, std::string_view text) {
    return !text.empty() && line.substr(pos, text.size()) == text;
}

void Fill(char* styles, std::size_t from, std::size_t to, int style) {
    std::memset(styles + from, style, to - from);
}

// Web addresses start with one of these, compared without case.
constexpr std::string_view kWebPrefixes[] = {"http://", "https://", "ftp://", "file://", "mailto:", "www."};

// A web address runs to the first byte that cannot be part of one.
bool EndsWebAddress(char c) {
    return Byte(c) <= ' ' || std::strchr("\"'<>`{}|\\^", c) != nullptr;
}

// Punctuation that ends a sentence rather than the address when it stands last.
bool IsTrailingPunctuation(char c) { return std::strchr(".,;:!?)]", c) != nullptr; }

}  // namespace

TMemoLexerRules::TMemoLexerRules(const TMemoStylerSettings& style)
    : lineComment_(style.LineComment),
      hexPrefix_(AsciiLowerCase(style.HexIdentifier)) {
    // A multi-line comment needs both of its delimiters.
    if (!style.MultiCommentLeft.empty() && !style.MultiCommentRight.empty()) {
        commentLeft_ = style.MultiCommentLeft;
        commentRight_ = style.MultiCommentRight;
    }
    bracketStyle_.fill(-1);
    bracketEnd_.fill('\0');
    symbolStyle_.fill(-1);
    const std::size_t elements = std::min<std::size_t>(style.AllStyles.size(), kMaxElementStyles);
    for (std::size_t index = 0; index < elements; ++index) {
        const TElementStyle& element = style.AllStyles[index];
        const int number = kFirstElementStyle + static_cast<int>(index);
        switch (element.StyleType) {
            case stKeyword:
                for (const std::string& word : element.KeyWords) {
                    if (word.empty()) continue;
                    std::string folded = AsciiLowerCase(word);
                    if (std::all_of(folded.begin(), folded.end(), IsWordByte))
                        wordKeywords_.emplace(std::move(folded), number);  // an earlier group keeps a word
                    else
                        otherKeywords_[Byte(folded[0])].push_back({std::move(folded), number});
                }
                break;
            case stBracket:
                if (element.BracketStart != '\0' && bracketStyle_[Byte(element.BracketStart)] < 0) {
                    bracketStyle_[Byte(element.BracketStart)] = number;
                    bracketEnd_[Byte(element.BracketStart)] = element.BracketEnd;
                }
                break;
            case stSymbol:
                for (char c : element.Symbols)
                    if (symbolStyle_[Byte(c)] < 0) symbolStyle_[Byte(c)] = number;
                break;
        }
    }
    // Longer keywords first, so ":)" is not read as ":" followed by ")"; among equals the
    // earlier group stays first.
    for (std::vector<TKeyword>& list : otherKeywords_)
        std::stable_sort(list.begin(), list.end(),
                         [](const TKeyword& a, const TKeyword& b) { return a.folded.size() > b.folded.size(); });
}

bool TMemoLexerRules::StyleLine(std::string_view line, bool inComment, char* styles) const {
    std::size_t pos = 0;
    if (inComment) pos = Comment(line, 0, styles, inComment);
    while (pos < line.size()) {
        // An address in the code goes first, or the "//" of "http://" would open a comment.
        std::size_t end = WebAddress(line, pos, styles);
        if (end == pos) end = Comment(line, pos, styles, inComment);
        if (end == pos) {
            const int bracket = bracketStyle_[Byte(line[pos])];
            if (bracket >= 0) {
                const std::size_t close = line.find(bracketEnd_[Byte(line[pos])], pos + 1);
                end = close == std::string_view::npos ? line.size() : close + 1;
                Fill(styles, pos, end, bracket);
            }
        }
        if (end == pos) end = Number(line, pos, styles);
        if (end == pos) end = Keyword(line, pos, styles);
        if (end == pos && IsWordByte(line[pos])) {
            // A word that is no keyword, or the rest of one that a number began.
            while (end < line.size() && IsWordByte(line[end])) ++end;
            Fill(styles, pos, end, kPlainTextStyle);
        }
        if (end == pos) {
            const int symbol = symbolStyle_[Byte(line[pos])];
            styles[pos] = static_cast<char>(symbol >= 0 ? symbol : kPlainTextStyle);
            end = pos + 1;
        }
        pos = end;
    }
    // Addresses inside comments and bracketed spans.
    MarkWebAddresses(line, styles);
    return inComment;
}

// A line comment, the opening of a multi-line comment, or (with `inComment` set on entry
// at `pos` 0) the rest of one carried over from the line before.
std::size_t TMemoLexerRules::Comment(std::string_view line, std::size_t pos, char* styles, bool& inComment) const {
    std::size_t bodyStart = pos;
    if (!inComment) {
        if (HasAt(line, pos, lineComment_)) {
            Fill(styles, pos, line.size(), kCommentStyle);
            return line.size();
        }
        if (!HasAt(line, pos, commentLeft_)) return pos;
        bodyStart = pos + commentLeft_.size();
    }
    const std::size_t close = line.find(commentRight_, bodyStart);
    inComment = close == std::string_view::npos;
    const std::size_t end = inComment ? line.size() : close + commentRight_.size();
    Fill(styles, pos, end, kCommentStyle);
    return end;
}

// A number at the start of a word: the hex prefix followed by hex digits, or decimal
// digits with an optional fraction and exponent.
std::size_t TMemoLexerRules::Number(std::string_view line, std::size_t pos, char* styles) const {
    if (pos > 0 && IsWordByte(line[pos - 1])) return pos;
    std::size_t end = pos;
    if (HasFoldedAt(line, pos, hexPrefix_) && pos + hexPrefix_.size() < line.size() &&
        IsHexDigit(line[pos + hexPrefix_.size()])) {
        end = pos + hexPrefix_.size();
        while (end < line.size() && IsHexDigit(line[end])) ++end;
    } else if (IsDigit(line[pos])) {
        while (end < line.size() && IsDigit(line[end])) ++end;
        if (end + 1 < line.size() && line[end] == '.' && IsDigit(line[end + 1])) {
            end += 2;
            while (end < line.size() && IsDigit(line[end])) ++end;
        }
        if (end < line.size() && (line[end] == 'e' || line[end] == 'E')) {
            std::size_t exponent = end + 1;
            if (exponent < line.size() && (line[exponent] == '+' || line[exponent] == '-')) ++exponent;
            if (exponent < line.size() && IsDigit(line[exponent])) {
                end = exponent;
                while (end < line.size() && IsDigit(line[end])) ++end;
            }
        }
    } else {
        return pos;
    }
    Fill(styles, pos, end, kNumberStyle);
    return end;
}

// A keyword at `pos`. A keyword that begins or ends with a word byte must stand as a whole
// word there; keywords made of other bytes (";", ":)") match wherever they stand.
std::size_t TMemoLexerRules::Keyword(std::string_view line, std::size_t pos, char* styles) const {
    const bool wordBefore = pos > 0 && IsWordByte(line[pos - 1]);
    for (const TKeyword& keyword : otherKeywords_[Byte(AsciiLower(line[pos]))]) {
        if (!HasFoldedAt(line, pos, keyword.folded)) continue;
        const std::size_t end = pos + keyword.folded.size();
        if (IsWordByte(keyword.folded.front()) && wordBefore) continue;
        if (IsWordByte(keyword.folded.back()) && end < line.size() && IsWordByte(line[end])) continue;
        Fill(styles, pos, end, keyword.style);
        return end;
    }
    if (wordBefore || !IsWordByte(line[pos]) || wordKeywords_.empty()) return pos;
    std::size_t end = pos;
    while (end < line.size() && IsWordByte(line[end])) ++end;
    const auto found = wordKeywords_.find(AsciiLowerCase(line.substr(pos, end - pos)));
    if (found == wordKeywords_.end()) return pos;
    Fill(styles, pos, end, found->second);
    return end;
}

std::size_t TMemoLexerRules::WebAddress(std::string_view line, std::size_t pos, char* styles) {
    if (pos > 0 && IsWordByte(line[pos - 1])) return pos;
    for (std::string_view prefix : kWebPrefixes) {
        if (!HasFoldedAt(line, pos, prefix)) continue;
        std::size_t end = pos + prefix.size();
        while (end < line.size() && !EndsWebAddress(line[end])) ++end;
        while (end > pos + prefix.size() && IsTrailingPunctuation(line[end - 1])) --end;
        if (end == pos + prefix.size()) return pos;  // a prefix alone is no address
        Fill(styles, pos, end, kUrlStyle);
        return end;
    }
    return pos;
}

void TMemoLexerRules::MarkWebAddresses(std::string_view line, char* styles) {
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t end = WebAddress(line, pos, styles);
        pos = end > pos ? end : pos + 1;
    }
}

}  // namespace fif
