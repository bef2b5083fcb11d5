#include "search/file_mask.h"

#include <gtest/gtest.h>

namespace fif {
namespace {

struct ExtCase {
    const char* name;
    const char* text;
    const char* extension;
};

class ExtractFileExtTest : public testing::TestWithParam<ExtCase> {};

TEST_P(ExtractFileExtTest, TakesFromTheLastDotUnlessASeparatorFollows) {
    EXPECT_EQ(ExtractFileExt(GetParam().text), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractFileExtTest,
    testing::Values(ExtCase{"Pascal", "*.pas", ".pas"}, ExtCase{"StarDotStar", "*.*", ".*"},
                    ExtCase{"TwoPatterns", "*.pas;*.dpr", ".dpr"}, ExtCase{"LoneStar", "*", ""},
                    ExtCase{"StarDot", "*.", "."}, ExtCase{"SeveralDots", "a.b.pas", ".pas"},
                    ExtCase{"LeadingDotOnly", ".cvsignore", ".cvsignore"}, ExtCase{"Empty", "", ""},
                    ExtCase{"SlashAfterDot", "dir.d/file", ""}, ExtCase{"BackslashAfterDot", "dir.d\\file", ""},
                    ExtCase{"ColonAfterDot", "a.b:c", ""}, ExtCase{"PrefixIgnored", "Unit*.pas", ".pas"},
                    ExtCase{"NonAsciiName", "\xED\x95\x9C.txt", ".txt"},
                    ExtCase{"NonAsciiExtension", "a.\xED\x95\x9C", ".\xED\x95\x9C"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MaskCase {
    const char* name;
    const char* mask;
    const char* file;
    bool passes;
};

class MatchesMaskTest : public testing::TestWithParam<MaskCase> {};

TEST_P(MatchesMaskTest, ComparesOnlyTheExtensionWithAsciiCaseIgnored) {
    const auto& c = GetParam();
    EXPECT_EQ(MatchesMask(c.file, ExtractFileExt(c.mask)), c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchesMaskTest,
    testing::Values(MaskCase{"Lower", "*.pas", "a.pas", true}, MaskCase{"UpperName", "*.pas", "A.PAS", true},
                    MaskCase{"UpperMask", "*.PAS", "a.pas", true}, MaskCase{"Backup", "*.pas", "x.pas.bak", false},
                    MaskCase{"AllWithDot", "*.*", "a.c", true}, MaskCase{"AllWithoutDot", "*.*", "Makefile", true},
                    MaskCase{"StarOnlyNoDot", "*", "Makefile", true}, MaskCase{"StarOnlyDot", "*", "a.c", false},
                    MaskCase{"EmptyMaskNoDot", "", "README", true}, MaskCase{"EmptyMaskDot", "", "a.c", false},
                    MaskCase{"PatternsNotSplit", "*.pas;*.dpr", "a.pas", false},
                    MaskCase{"PatternsLastCounts", "*.pas;*.dpr", "a.dpr", true},
                    MaskCase{"WildcardInExtensionIsLiteral", "*.p?s", "a.pas", false},
                    MaskCase{"WildcardLiteralMatches", "*.p?s", "a.p?s", true},
                    MaskCase{"DotFileWhole", "*.bashrc", ".bashrc", true},
                    MaskCase{"DotFileOther", "*.sh", ".bashrc", false},
                    MaskCase{"SpaceTakesPart", "*.pas ", "a.pas", false},
                    MaskCase{"NonAsciiByteForByte", "*.\xC3\xA9", "a.\xC3\x89", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fif
