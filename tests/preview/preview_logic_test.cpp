// The preview's rules without widgets: the lines a file gives the viewer, the find's
// character alignment, the undo limit, the extension of a name and the status text.
#include "results/adv_memo_undo_budget.h"
#include "results/preview_find.h"
#include "results/preview_pane.h"
#include "results/preview_status.h"
#include "results/preview_text.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <string>
#include <vector>

namespace fif {
namespace {

using namespace std::string_literals;

struct TViewerTextCase {
    const char* name;
    std::string bytes;
    std::string text;
    std::size_t lines;
};

class ViewerTextTest : public testing::TestWithParam<TViewerTextCase> {};

TEST_P(ViewerTextTest, LinesFollowTheSearchRulesAndTabsWiden) {
    const TViewerText result = ViewerTextFromBytes(GetParam().bytes);
    EXPECT_EQ(result.text, GetParam().text);
    EXPECT_EQ(result.lineCount, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewerTextTest,
    testing::Values(TViewerTextCase{"Empty", "", "", 0},
                    TViewerTextCase{"LineEndsCrLfAndCrLf", "a\rb\nc\r\nd", "a\nb\nc\nd", 4},
                    TViewerTextCase{"LfCrIsTwoLineEnds", "a\n\rb", "a\n\nb", 3},
                    TViewerTextCase{"CrCrLfIsTwoLineEnds", "a\r\r\nb", "a\n\nb", 3},
                    TViewerTextCase{"FinalLineEndAddsNoLine", "a\r\n", "a", 1},
                    TViewerTextCase{"LineEndAloneIsOneEmptyLine", "\n", "", 1},
                    TViewerTextCase{"NulEndsTheContent", "ab\0cd\nef"s, "ab", 1},
                    TViewerTextCase{"NulFirstGivesNoLines", "\0abc"s, "", 0},
                    TViewerTextCase{"TabIsFourSpacesWherever", "\tx\ty\t", "    x    y    ", 1},
                    TViewerTextCase{"BytesStayUndecoded", "caf\xE9\n\xFF", "caf\xE9\n\xFF", 2}),
    [](const testing::TestParamInfo<TViewerTextCase>& info) { return std::string(info.param.name); });

TEST(WriteViewerTextTest, PiecesCutAnywhereMakeTheSameText) {
    const std::string bytes = "one\ttwo\r\nthree\n\tfour\rfive";
    std::string joined;
    std::size_t pieces = 0;
    const std::size_t lines = WriteViewerText(
        bytes,
        [&](std::string_view piece) {
            EXPECT_LE(piece.size(), 3u);
            joined.append(piece);
            ++pieces;
        },
        3);
    EXPECT_EQ(joined, ViewerTextFromBytes(bytes).text);
    EXPECT_EQ(joined, "one    two\nthree\n    four\nfive");
    EXPECT_EQ(lines, 4u);
    EXPECT_GT(pieces, 5u);
}

struct TFindCase {
    const char* name;
    std::string text;
    std::string pattern;
    std::size_t from;
    std::size_t expected;
};

class FindAtCharacterStartTest : public testing::TestWithParam<TFindCase> {};

TEST_P(FindAtCharacterStartTest, FindsOnlyWhereACharacterBegins) {
    const FoldedPattern pattern(GetParam().pattern);
    EXPECT_EQ(FindAtCharacterStart(pattern, GetParam().text, GetParam().from), GetParam().expected);
}

constexpr std::size_t kNone = std::string_view::npos;

INSTANTIATE_TEST_SUITE_P(
    Cases, FindAtCharacterStartTest,
    testing::Values(TFindCase{"AsciiCaseFolded", "xx HeLLo", "hello", 0, 3},
                    TFindCase{"FromSkipsEarlierOnes", "ab ab ab", "ab", 1, 3},
                    TFindCase{"NoneAfterFrom", "ab ab", "ab", 4, kNone},
                    TFindCase{"NonAsciiByteForByte", "\xC3\x84pfel \xC3\xA4pfel", "\xC3\xA4pfel", 0, 7},
                    // 가 is EA B0 80: its trail byte 80 is passed over, the lone 80 after it is found.
                    TFindCase{"TrailByteIsPassedOver", "\xEA\xB0\x80\x80", "\x80", 0, 3},
                    TFindCase{"OnlyTrailBytesGiveNone", "\xEA\xB0\x80", "\x80", 0, kNone},
                    // A broken sequence is one character per byte.
                    TFindCase{"BrokenSequenceBytesAreCharacters", "\xEA\x80", "\x80", 0, 1},
                    TFindCase{"LaterLine", "one\ntwo\r\nthree", "thr", 0, 9},
                    TFindCase{"LineEndNeverMatches", "a\nb", "a\nb", 0, kNone}),
    [](const testing::TestParamInfo<TFindCase>& info) { return std::string(info.param.name); });

TEST(UndoBudgetTest, UndoesOnlyTheNewestStepsUpToTheLimit) {
    TUndoBudget budget(3);
    for (int i = 0; i < 5; ++i) budget.Recorded();
    int undone = 0;
    while (budget.CanUndo()) {
        budget.Undone();
        ++undone;
    }
    EXPECT_EQ(undone, 3);
    EXPECT_TRUE(budget.CanRedo());
    budget.Redone();
    EXPECT_TRUE(budget.CanUndo());
}

TEST(UndoBudgetTest, NewStepEndsRedoAndClearEndsBoth) {
    TUndoBudget budget(100);
    budget.Recorded();
    budget.Undone();
    budget.Recorded();
    EXPECT_FALSE(budget.CanRedo());
    budget.Clear();
    EXPECT_FALSE(budget.CanUndo());
    EXPECT_FALSE(budget.CanRedo());
}

TEST(ExtensionOfTest, FromTheLastDotOn) {
    EXPECT_EQ(TPreviewPane::ExtensionOf("a.b.pas"), ".pas");
    EXPECT_EQ(TPreviewPane::ExtensionOf("Makefile"), "");
    EXPECT_EQ(TPreviewPane::ExtensionOf(".cvsignore"), ".cvsignore");
    EXPECT_EQ(TPreviewPane::ExtensionOf("name."), ".");
    EXPECT_EQ(TPreviewPane::ExtensionOf("\xED\x95\x9C.PAS"), ".PAS");
}

class CursorStatusTextTest : public testing::Test {
protected:
    ~CursorStatusTextTest() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(CursorStatusTextTest, CountsFromOneWithTheLocalesSeparator) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(CursorStatusText(1233, 5000, 6), QStringLiteral("1,234 / 5,000 - 7"));
    EXPECT_EQ(CursorStatusText(0, 0, 0), QStringLiteral("1 / 0 - 1"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(CursorStatusText(1233, 1000000, 999), QStringLiteral("1.234 / 1.000.000 - 1.000"));
}

}  // namespace
}  // namespace fif
