#include "browser/shell_path.h"

#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace fif {
namespace {

struct CleanCase {
    const char* name;
    QByteArray path;
    QByteArray base;
    QByteArray expected;
};

class CleanTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanTest, GivesTheCleanForm) {
    const CleanCase& c = GetParam();
    EXPECT_EQ(shellpath::Clean(c.path, c.base), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CleanTest,
    ::testing::Values(CleanCase{"Plain", "/a/b", "", "/a/b"}, CleanCase{"TrailingSlash", "/a/b/", "", "/a/b"},
                      CleanCase{"Root", "/", "", "/"}, CleanCase{"RootRepeated", "///", "", "/"},
                      CleanCase{"DoubleSlashes", "/a//b", "", "/a/b"}, CleanCase{"Dots", "/a/./b/../c", "", "/a/c"},
                      CleanCase{"DotDotOfRootIsRoot", "/../..", "", "/"},
                      CleanCase{"RelativeToBase", "c/d", "/a/b", "/a/b/c/d"},
                      CleanCase{"ParentOfBase", "..", "/a/b", "/a"},
                      CleanCase{"RelativeWithoutBase", "c", "", ""}, CleanCase{"Empty", "", "/a", ""},
                      CleanCase{"RawBytesKept", "/a/b\xff", "", "/a/b\xff"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShellPathTest, JoinParentAndFileName) {
    EXPECT_EQ(shellpath::Join("/", "a"), "/a");
    EXPECT_EQ(shellpath::Join("/a", "b"), "/a/b");
    EXPECT_EQ(shellpath::Parent("/a/b"), "/a");
    EXPECT_EQ(shellpath::Parent("/a"), "/");
    EXPECT_EQ(shellpath::Parent("/"), "");
    EXPECT_EQ(shellpath::FileName("/a/b"), "b");
    EXPECT_EQ(shellpath::FileName("/"), "/");
}

TEST(ShellPathTest, IsUnderMatchesWholePartsOnly) {
    QList<QByteArray> rest;
    EXPECT_TRUE(shellpath::IsUnder("/a/b/c", "/a", &rest));
    EXPECT_EQ(rest, (QList<QByteArray>{"b", "c"}));
    EXPECT_TRUE(shellpath::IsUnder("/a", "/a", &rest));
    EXPECT_TRUE(rest.isEmpty());
    EXPECT_TRUE(shellpath::IsUnder("/x", "/", &rest));
    EXPECT_EQ(rest, (QList<QByteArray>{"x"}));
    EXPECT_FALSE(shellpath::IsUnder("/ab", "/a"));
    EXPECT_FALSE(shellpath::IsUnder("/a", "/a/b"));
    EXPECT_FALSE(shellpath::IsUnder("/a", ""));
}

TEST(ShellPathTest, TextKeepsBytesThatAreNotUtf8) {
    const QByteArray raw = "/tmp/\xed\x95\x9c-\xff\xfe-x";  // a valid Hangul syllable, then two stray bytes
    const QString text = shellpath::ToText(raw);
    EXPECT_EQ(text.at(5), QChar(0xD55C));
    EXPECT_EQ(text.at(7), QChar(0xDCFF));
    EXPECT_EQ(shellpath::FromText(text), raw);
    const std::u16string wide(reinterpret_cast<const char16_t*>(text.utf16()), text.size());
    EXPECT_EQ(codepage::FromWide(wide), raw.toStdString());
}

}  // namespace
}  // namespace fif
