// How a syntax style cuts lines into tokens. Expected styles are written one letter per
// byte: . plain, c comment, n number, u web address, k and K the two keyword groups,
// s and d the two bracket spans, y the symbol set.
#include "results/memo_lexer_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace fif {
namespace {

TMemoStylerSettings SmallStyle() {
    TMemoStylerSettings style;
    style.LineComment = "//";
    style.MultiCommentLeft = "{";
    style.MultiCommentRight = "}";
    style.HexIdentifier = "$";
    TElementStyle words;
    words.StyleType = stKeyword;
    words.KeyWords = {"BEGIN", "end", "xml version"};
    TElementStyle more;
    more.StyleType = stKeyword;
    more.KeyWords = {":)", "END", "other"};
    TElementStyle quote;
    quote.StyleType = stBracket;
    quote.BracketStart = quote.BracketEnd = '\'';
    TElementStyle doubleQuote;
    doubleQuote.StyleType = stBracket;
    doubleQuote.BracketStart = doubleQuote.BracketEnd = '"';
    TElementStyle none;
    none.StyleType = stBracket;  // code 0: no bracket
    TElementStyle symbols;
    symbols.StyleType = stSymbol;
    symbols.Symbols = ";=()+";
    style.AllStyles = {words, more, quote, doubleQuote, none, symbols};
    return style;
}

std::string Letters(const std::string& styles) {
    const std::string letters = ".cnukKsd?y";
    std::string out;
    for (char style : styles) out.push_back(letters.at(static_cast<unsigned char>(style)));
    return out;
}

struct TLineCase {
    const char* name;
    std::string line;
    bool inComment;
    std::string expected;
    bool endsInComment;
};

class LexerRulesTest : public testing::TestWithParam<TLineCase> {
protected:
    TMemoLexerRules rules_{SmallStyle()};
};

TEST_P(LexerRulesTest, StylesEachByte) {
    const TLineCase& c = GetParam();
    std::string styles(c.line.size(), '\0');
    EXPECT_EQ(rules_.StyleLine(c.line, c.inComment, styles.data()), c.endsInComment);
    EXPECT_EQ(Letters(styles), c.expected) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LexerRulesTest,
    testing::Values(
        TLineCase{"KeywordsIgnoreCaseAndNeedWholeWords", "begin End endx xend", false, "kkkkk.kkk..........", false},
        TLineCase{"EarlierGroupKeepsAWord", "other end", false, "KKKKK.kkk", false},
        TLineCase{"KeywordOfSymbolsAndOfTwoWords", ":) xml version=1", false, "KK.kkkkkkkkkkkyn", false},
        TLineCase{"Numbers", "x=$1F+12.5e3+7", false, ".ynnnynnnnnnyn", false},
        TLineCase{"DigitsInsideAWordAreNoNumber", "abc1 1abc", false, ".....n...", false},
        TLineCase{"LineComment", "a; // end {", false, ".y.cccccccc", false},
        TLineCase{"CommentOpensAndCarries", "a { begin", false, "..ccccccc", true},
        TLineCase{"CarriedCommentCloses", "end } end", true, "ccccc.kkk", false},
        TLineCase{"CarriedCommentGoesOn", "end begin", true, "ccccccccc", true},
        TLineCase{"CommentWithinALine", "{x}end", false, "ccckkk", false},
        TLineCase{"BracketSpans", "'it' \"s\" 'open", false, "ssss.ddd.sssss", false},
        TLineCase{"CommentOpenerInsideAString", "'{' end", false, "sss.kkk", false},
        TLineCase{"WebAddressOverTokens", "(see http://x.org/a?b=1).", false, "y....uuuuuuuuuuuuuuuuuuy.", false},
        TLineCase{"WebAddressInAComment", "// www.x.org", false, "cccuuuuuuuuu", false},
        TLineCase{"PrefixAloneIsNoAddress", "http:// x", false, ".....cccc", false}),
    [](const testing::TestParamInfo<TLineCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fif
