#include "search/text_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace fif {
namespace {

using namespace std::string_literals;

struct LinesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class SplitLinesTest : public testing::TestWithParam<LinesCase> {};

TEST_P(SplitLinesTest, CutsAtCrLfAndCrLfAndEndsAtNul) {
    const auto& c = GetParam();
    std::vector<std::string> got;
    for (std::string_view line : SplitLines(c.bytes)) got.emplace_back(line);
    EXPECT_EQ(got, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLinesTest,
    testing::Values(LinesCase{"Lf", "a\nb", {"a", "b"}}, LinesCase{"Cr", "a\rb", {"a", "b"}},
                    LinesCase{"CrLfIsOneEnd", "a\r\nb", {"a", "b"}},
                    LinesCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                    LinesCase{"EmptyLineBetween", "a\n\nb", {"a", "", "b"}},
                    LinesCase{"FinalEndAddsNoLine", "a\nb\n", {"a", "b"}},
                    LinesCase{"FinalCrLfAddsNoLine", "a\r\n", {"a"}},
                    LinesCase{"OnlyLineEnd", "\n", {""}}, LinesCase{"Empty", "", {}},
                    LinesCase{"NulEndsContent", "ab\0cd\nef"s, {"ab"}},
                    LinesCase{"NulFirst", "\0abc"s, {}},
                    LinesCase{"BomStaysInFirstLine", "\xEF\xBB\xBFx\ny", {"\xEF\xBB\xBFx", "y"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MatchCase {
    const char* name;
    std::string text;
    std::string line;
    bool found;
};

class FoldedPatternTest : public testing::TestWithParam<MatchCase> {};

TEST_P(FoldedPatternTest, FoldsAsciiLettersOnly) {
    const auto& c = GetParam();
    EXPECT_EQ(FoldedPattern(c.text).Find(c.line) != std::string_view::npos, c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoldedPatternTest,
    testing::Values(MatchCase{"Exact", "begin", "  begin end", true},
                    MatchCase{"LowerFindsUpper", "begin", "BEGIN", true},
                    MatchCase{"UpperFindsMixed", "BEGIN", "x BeGiN", true},
                    MatchCase{"AtStart", "ab", "abc", true}, MatchCase{"AtEnd", "bc", "abc", true},
                    MatchCase{"SingleByte", "q", "xyQ", true},
                    MatchCase{"Absent", "begin", "begi n", false},
                    MatchCase{"LineShorter", "abcd", "abc", false},
                    MatchCase{"EmptyTextMatchesNothing", "", "abc", false},
                    MatchCase{"AtSignIsNotBacktick", "@", "`", false},
                    MatchCase{"BracketIsNotBrace", "[", "{", false},
                    MatchCase{"NonAsciiByteForByte", "\xC3\xA9", "\xC3\xA9t\xC3\xA9", true},
                    MatchCase{"NonAsciiNotFolded", "\xC3\xA9", "\xC3\x89", false},
                    MatchCase{"LineEndInTextMatchesNothing", "a\nb", "a\nb", false},
                    MatchCase{"SpacesTakePart", " x ", "a x b", true},
                    MatchCase{"SpacesTakePartAbsent", " x ", "ax b", false},
                    MatchCase{"LongerThanSixteen", "abcdefghijklmnopqrstuvwxyz",
                              std::string(40, '.') + "ABCDEFGHIJKLMNOPQRSTUVWXYZ" + std::string(3, '.'), true},
                    MatchCase{"CandidatesNearEnd", "xy", std::string(31, 'x') + "y", true}),
    [](const auto& info) { return std::string(info.param.name); });

// The definition: upper-case the line and the text byte by byte, and look for the text.
bool ReferenceContains(std::string_view bytes, std::string_view text) {
    if (text.empty()) return false;
    const std::string upper = AsciiUpperCase(text);
    bool found = false;
    ForEachLine(ContentBeforeNul(bytes), [&](std::string_view line) {
        if (AsciiUpperCase(line).find(upper) != std::string::npos) found = true;
    });
    return found;
}

std::string RandomBytes(std::mt19937& random, std::size_t size) {
    // A small alphabet makes matches, line ends and NULs frequent.
    static const std::string alphabet = "abAB\r\n\0\xC3\x80 x"s;
    std::string out(size, ' ');
    for (char& c : out) c = alphabet[random() % alphabet.size()];
    return out;
}

// The fast search over whole chunks must give the same answer as testing line by line,
// wherever the chunks are cut.
TEST(StreamMatcher, AgreesWithTheLineDefinitionForEveryChunking) {
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const std::string content = RandomBytes(random, random() % 60);
        std::string text = RandomBytes(random, 1 + random() % 4);
        if (round % 3 == 0) text.erase(std::remove_if(text.begin(), text.end(), [](char c) {
                                           return c == '\r' || c == '\n' || c == '\0';
                                       }), text.end());
        const FoldedPattern pattern(text);
        const bool expected = ReferenceContains(content, text);
        for (std::size_t chunk = 1; chunk <= content.size() + 1; chunk += 1 + chunk / 3) {
            StreamMatcher matcher(pattern);
            for (std::size_t at = 0; at < content.size(); at += chunk)
                if (matcher.Feed(std::string_view(content).substr(at, chunk))) break;
            ASSERT_EQ(matcher.Found(), expected) << "round " << round << " chunk " << chunk;
        }
    }
}

TEST(StreamMatcher, FindsAMatchSplitAcrossChunks) {
    const FoldedPattern pattern("needle");
    StreamMatcher matcher(pattern);
    EXPECT_FALSE(matcher.Feed("hay NEE"));
    EXPECT_TRUE(matcher.Feed("DLE hay"));
    EXPECT_TRUE(matcher.Found());
}

TEST(StreamMatcher, StopsAtTheFirstNulEvenInALaterChunk) {
    const FoldedPattern pattern("needle");
    StreamMatcher matcher(pattern);
    EXPECT_FALSE(matcher.Feed("hay"));
    EXPECT_TRUE(matcher.Feed("hay\0needle"s));
    EXPECT_FALSE(matcher.Found());
}

}  // namespace
}  // namespace fif
