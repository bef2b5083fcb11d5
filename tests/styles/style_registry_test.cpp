#include "results/style_registry.h"

#include "results/style_catalogue.h"

#include <QObject>
#include <QPointer>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fif {
namespace {

// The component name of a style, or "none".
std::string NameOf(const TAdvCustomMemoStyler* style) {
    return style != nullptr ? style->objectName().toStdString() : "none";
}

// The window's situation: the catalogue under one owner and the registry built from it.
// The registry is module state, so every test leaves it released.
class StyleRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        styles = CreateStyleCatalogue(owner.get());
        BuildStyleRegistry(*owner);
    }
    void TearDown() override { ReleaseStyleRegistry(); }

    std::unique_ptr<QObject> owner = std::make_unique<QObject>();
    TStyleCatalogue styles{};
};

TEST_F(StyleRegistryTest, HoldsThirteenStylesSortedByDescription) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"C# Styler", "AdvCSharpMemoStyler1"},
        {"Cascading Style Sheets (CSS)", "AdvCSSMemoStyler1"},
        {"Emoticon Styler", "AdvEmoticonMemoStyler1"},
        {"Ini and Inf files", "AdvINIMemoStyler1"},
        {"JavaScript", "AdvJSMemoStyler1"},
        {"MS Visual Basic", "AdvBasicMemoStyler1"},
        {"Pascal", "AdvPascalMemoStyler1"},
        {"Perl", "AdvPerlMemoStyler1"},
        {"PHP and E107", "AdvPHPMemoStyler1"},
        {"Python Scripts", "AdvPythonMemoStyler1"},
        {"SQL", "AdvSQLMemoStyler1"},
        {"Web pages", "AdvHTMLMemoStyler1"},
        {"XML Files (XML)", "AdvXMLMemoStyler1"},
    };
    const std::vector<TStyleRegistryEntry>* registry = StyleRegistryEntries();
    ASSERT_NE(registry, nullptr);
    std::vector<std::pair<std::string, std::string>> actual;
    for (const TStyleRegistryEntry& entry : *registry) {
        actual.emplace_back(entry.Text, NameOf(entry.Object));
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(StyleRegistryTest, ChoosesTheStyleByExtension) {
    struct Row { std::string extension; const char* style; };
    const Row table[] = {
        {".pas", "AdvPascalMemoStyler1"},   {".PAS", "AdvPascalMemoStyler1"},
        {".dpr", "AdvPascalMemoStyler1"},   {".dpk", "AdvPascalMemoStyler1"},
        {".inc", "AdvPascalMemoStyler1"},   {".htm", "AdvHTMLMemoStyler1"},
        {".html", "AdvHTMLMemoStyler1"},    {".HTML", "AdvHTMLMemoStyler1"},
        {".h", "AdvHTMLMemoStyler1"},       // the start of "*.htm"
        {".c", "AdvCSharpMemoStyler1"},     // the start of "*.cs"
        {".cpp", "AdvCSharpMemoStyler1"},   {".cs", "AdvCSharpMemoStyler1"},
        {".css", "AdvCSSMemoStyler1"},      {".js", "AdvJSMemoStyler1"},
        {".bas", "AdvBasicMemoStyler1"},    {".sql", "AdvSQLMemoStyler1"},
        {".py", "AdvPythonMemoStyler1"},    {".pl", "AdvPerlMemoStyler1"},
        {".pm", "AdvPerlMemoStyler1"},      {".cgi", "AdvPerlMemoStyler1"},
        {".ini", "AdvINIMemoStyler1"},      {".inf", "AdvINIMemoStyler1"},
        {".in", "AdvINIMemoStyler1"},       // before Pascal's "*.inc"
        {".xml", "AdvXMLMemoStyler1"},      {".gif", "AdvEmoticonMemoStyler1"},
        {".p", "AdvPascalMemoStyler1"},     // the start of "*.pas", first in order
        {".", "AdvCSharpMemoStyler1"},      // the first filter holding a dot
        {".php", "none"},                   // the PHP style's filter is empty
        {".reg", "none"},                   // listed in Extensions only
        {".txt", "none"},                   {".hpp", "none"},
        {".vb", "none"},                    {".json", "none"},
        {"", "none"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE("extension \"" + row.extension + "\"");
        EXPECT_EQ(NameOf(FindStyleForExtension(row.extension)), row.style);
    }
}

TEST_F(StyleRegistryTest, ExtensionWithBytesBeyondAsciiMatchesNothing) {
    const std::string extensions[] = {
        ".\xED\x95\x9C",    // a Hangul syllable in UTF-8
        ".\xC3\x89",        // a capital E with acute, which only a locale would fold
        ".p\xC3\xA1s",      // non-ASCII inside a known extension
        "\xA1\xA2",         // two bytes of a double-byte character, no dot
        std::string(".pas\0", 5),  // a NUL byte is no letter either
    };
    for (const std::string& extension : extensions) {
        EXPECT_EQ(FindStyleForExtension(extension), nullptr);
    }
}

TEST_F(StyleRegistryTest, ReleaseDestroysTheRegisteredStylesOnlyAndEachOnce) {
    std::map<std::string, int> destroyed;
    std::vector<QPointer<TAdvCustomMemoStyler>> watched;
    for (TAdvCustomMemoStyler* style : styles) {
        const std::string name = NameOf(style);
        QObject::connect(style, &QObject::destroyed, [&destroyed, name] { ++destroyed[name]; });
        watched.emplace_back(style);
    }
    QPointer<TAdvCustomMemoStyler> shown = FindStyleForExtension(".pas");  // as a viewer holds it

    ReleaseStyleRegistry();

    EXPECT_EQ(StyleRegistryEntries(), nullptr);
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(destroyed.size(), 13u);
    for (const QPointer<TAdvCustomMemoStyler>& style : watched) {
        EXPECT_EQ(style.isNull(), style != styles[1]) << NameOf(style);
    }
    EXPECT_EQ(FindStyleForExtension(".pas"), nullptr);  // no registry: none

    ReleaseStyleRegistry();  // a second release finds nothing to free
    owner.reset();           // the unregistered style goes with its owner
    ASSERT_EQ(destroyed.size(), 14u);
    for (const auto& [name, count] : destroyed) EXPECT_EQ(count, 1) << name;
}

TEST_F(StyleRegistryTest, ReleaseAfterTheOwnerIsGoneFreesNothingTwice) {
    int destroyed = 0;
    for (TAdvCustomMemoStyler* style : styles) {
        QObject::connect(style, &QObject::destroyed, [&destroyed] { ++destroyed; });
    }
    owner.reset();
    EXPECT_EQ(destroyed, 14);
    EXPECT_EQ(FindStyleForExtension(".pas"), nullptr);  // its entries are gone with the styles
    ReleaseStyleRegistry();
    EXPECT_EQ(destroyed, 14);
    EXPECT_EQ(StyleRegistryEntries(), nullptr);
}

TEST(StyleRegistryWithoutBuild, FindsNoStyle) {
    ReleaseStyleRegistry();
    EXPECT_EQ(StyleRegistryEntries(), nullptr);
    EXPECT_EQ(FindStyleForExtension(".pas"), nullptr);
}

// A description already registered, in any case, keeps the later style; children that are
// no styles are passed over.
TEST(StyleRegistryBuild, KeepsTheLaterOfTwoStylesWhoseDescriptionsDifferInCaseOnly) {
    QObject owner;
    new QObject(&owner);
    auto* earlier = new TAdvCustomMemoStyler(&owner);
    earlier->Description = "Web pages";
    earlier->Filter = "*.htm";
    new QObject(&owner);
    auto* later = new TAdvCustomMemoStyler(&owner);
    later->Description = "WEB PAGES";
    later->Filter = "*.html";
    auto* other = new TAdvCustomMemoStyler(&owner);
    other->Description = "Another";

    BuildStyleRegistry(owner);

    const std::vector<TStyleRegistryEntry>* registry = StyleRegistryEntries();
    ASSERT_NE(registry, nullptr);
    ASSERT_EQ(registry->size(), 2u);
    EXPECT_EQ((*registry)[0].Object, other);
    EXPECT_EQ((*registry)[1].Text, "WEB PAGES");
    EXPECT_EQ((*registry)[1].Object, later);
    EXPECT_EQ(FindStyleForExtension(".htm"), later);

    ReleaseStyleRegistry();
    EXPECT_EQ(owner.children().size(), 3);  // the two plain objects and the earlier style
}

TEST(StyleDescriptionOrder, FoldsLettersAndPutsOtherAsciiFirst) {
    struct Row { const char* left; const char* right; int sign; };
    const Row table[] = {
        {"PHP and E107", "Pascal", 1},           // "h" after "a", whatever the case
        {"PHP and E107", "Perl", 1},
        {"PHP and E107", "Python Scripts", -1},
        {"C# Styler", "Cascading Style Sheets (CSS)", -1},  // "#" before letters
        {"SQL", "Web pages", -1},
        {"Web pages", "WEB PAGES", 0},
        {"Perl", "Perl Scripts", -1},            // a prefix first
        {"a b", "ab", -1},                       // space before letters
        {"a1", "ab", -1},                        // digits before letters
        {"a_", "ab", -1},                        // "_" lies above "A".."Z" in ASCII
        {"a~", "ab", -1},                        // "~" lies above "a".."z" in ASCII
        {"a\xEA", "az", 1},                      // bytes beyond ASCII after letters
        {"", "", 0},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(std::string(row.left) + " vs " + row.right);
        const int result = CompareStyleDescriptions(row.left, row.right);
        EXPECT_EQ((result > 0) - (result < 0), row.sign);
        const int reverse = CompareStyleDescriptions(row.right, row.left);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -row.sign);
    }
}

}  // namespace
}  // namespace fif
