#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace fif {
namespace {

struct RoundTripCase {
    const char* name;
    std::string bytes;
};

class CodePageRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(CodePageRoundTrip, BytesSurviveTheWideText) {
    EXPECT_EQ(codepage::FromWide(codepage::ToWide(GetParam().bytes)), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodePageRoundTrip,
    testing::Values(RoundTripCase{"Ascii", "/home/user/src"}, RoundTripCase{"Korean", "/\xED\x95\x9C\xEA\xB8\x80"},
                    RoundTripCase{"FourByte", "\xF0\x9F\x98\x80"}, RoundTripCase{"Latin1", "caf\xE9"},
                    RoundTripCase{"LoneContinuation", "a\x80z"}, RoundTripCase{"Truncated", "\xED\x95"},
                    RoundTripCase{"Overlong", "\xC0\xAF"}, RoundTripCase{"EncodedSurrogate", "\xED\xA0\x80"},
                    RoundTripCase{"AllHighBytes", "\xFF\xFE\xFD"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodePage, ValidTextBecomesItsCodePoints) {
    EXPECT_EQ(codepage::ToWide("\xED\x95\x9C"), u"\uD55C");
    EXPECT_EQ(codepage::FromWide(u"\uD55C"), "\xED\x95\x9C");
}

TEST(CodePage, LoneSurrogateThatIsNoEscapeBecomesReplacement) {
    EXPECT_EQ(codepage::FromWide(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(CodePage, CharLengthNeverRunsPastTheEnd) {
    EXPECT_EQ(codepage::CharLength("\xED\x95\x9C", 0), 3u);
    EXPECT_EQ(codepage::CharLength("\xED\x95", 0), 1u);
    EXPECT_EQ(codepage::CharLength("a", 0), 1u);
}

}  // namespace
}  // namespace fif
