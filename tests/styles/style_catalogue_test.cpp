#include "results/style_catalogue.h"

#include <QGuiApplication>
#include <QObject>
#include <QPalette>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace fif {
namespace {

// The catalogue created under one owner, with the styles reachable by component name.
class StyleCatalogueTest : public ::testing::Test {
protected:
    QObject owner;
    TStyleCatalogue styles = CreateStyleCatalogue(&owner);

    const TAdvCustomMemoStyler& Style(const char* componentName) const {
        for (const TAdvCustomMemoStyler* style : styles) {
            if (style->objectName() == QLatin1String(componentName)) return *style;
        }
        ADD_FAILURE() << "no style " << componentName;
        return *styles.front();
    }
};

std::string ColourName(const QColor& colour) {
    struct Named { QColor colour; const char* name; };
    const Named names[] = {
        {clBlack, "clBlack"}, {clWhite, "clWhite"},   {clNavy, "clNavy"},
        {clBlue, "clBlue"},   {clGreen, "clGreen"},   {clTeal, "clTeal"},
        {clOlive, "clOlive"}, {clRed, "clRed"},       {clFuchsia, "clFuchsia"},
        {clSilver, "clSilver"},
    };
    for (const Named& named : names) {
        if (named.colour == colour) return named.name;
    }
    if (colour == clBackground()) return "clBackground";
    return colour.name().toStdString();
}

std::string StyleName(TFontStyles style) {
    std::string name;
    if (style.testFlag(fsBold)) name += "bold";
    if (style.testFlag(fsItalic)) name += name.empty() ? "italic" : "+italic";
    return name.empty() ? "regular" : name;
}

// One element style as a line: kind, label, colour, font style, and the bracket pair.
std::string Describe(const TElementStyle& element) {
    static const char* const kinds[] = {"keywords", "bracket", "symbols"};
    std::string line = std::string(kinds[element.StyleType]) + " \"" + element.Info + "\" " +
                       ColourName(element.Font.Color) + " " + StyleName(element.Font.Style);
    if (element.StyleType == stBracket) {
        line += std::string(" ") + element.BracketStart + element.BracketEnd;
    }
    return line;
}

TEST_F(StyleCatalogueTest, CreatesTheFourteenStylesInOrderAsChildrenOfTheOwner) {
    const std::vector<std::string> expected = {
        "AdvPascalMemoStyler1", "AdvWebMemoStyler1",     "AdvHTMLMemoStyler1",
        "AdvJSMemoStyler1",     "AdvBasicMemoStyler1",   "AdvCSSMemoStyler1",
        "AdvCSharpMemoStyler1", "AdvSQLMemoStyler1",     "AdvPythonMemoStyler1",
        "AdvPerlMemoStyler1",   "AdvEmoticonMemoStyler1", "AdvINIMemoStyler1",
        "AdvXMLMemoStyler1",    "AdvPHPMemoStyler1",
    };
    std::vector<std::string> names;
    for (const TAdvCustomMemoStyler* style : styles) {
        ASSERT_NE(style, nullptr);
        EXPECT_EQ(style->parent(), &owner);
        names.push_back(style->objectName().toStdString());
    }
    EXPECT_EQ(names, expected);

    std::vector<QObject*> children(owner.children().begin(), owner.children().end());
    EXPECT_EQ(children, std::vector<QObject*>(styles.begin(), styles.end()));
}

TEST_F(StyleCatalogueTest, IdentityAndFilterOfEachStyle) {
    struct Identity {
        const char* component;
        const char* description;
        const char* stylerName;
        const char* defaultExtension;
        const char* extensions;
        const char* filter;
    };
    const Identity expected[] = {
        {"AdvPascalMemoStyler1", "Pascal", "Pascal", ".pas", "pas;dpr;dpk;inc",
         "Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc"},
        {"AdvWebMemoStyler1", "Web pages", "HTML document", ".html", "html;htm",
         "HTML Document (*.htm,*.html)|*.htm;*.html"},
        {"AdvHTMLMemoStyler1", "Web pages", "HTML document", ".html", "htm;html",
         "HTML Document (*.htm,*.html)|*.htm;*.html"},
        {"AdvJSMemoStyler1", "JavaScript", "JavaScript", ".js", "js",
         "Javascript Files (*.js)|*.js"},
        {"AdvBasicMemoStyler1", "MS Visual Basic", "MS Visual Basic", ".bas", "bas",
         "Visual Basic Files (*.bas)|*.bas"},
        {"AdvCSSMemoStyler1", "Cascading Style Sheets (CSS)", "Cascading Style Sheets", ".css",
         "css", "Cascading Stylesheets (*.css)|*.css"},
        {"AdvCSharpMemoStyler1", "C# Styler", "C# Styler", ".cs", "cs", "C# files|*.cs;*.cpp"},
        {"AdvSQLMemoStyler1", "SQL", "SQL", ".sql", "sql", "SQL Files (*.sql)|*.sql"},
        {"AdvPythonMemoStyler1", "Python Scripts", "Python", ".py", "py",
         "Python Files (*.py)|*.py"},
        {"AdvPerlMemoStyler1", "Perl", "Perl", ".pl", "pl;pm;cgi",
         "Perl Files (*.pl,*.pm,*.cgi)|*.pl;*.pm;*.cgi"},
        {"AdvEmoticonMemoStyler1", "Emoticon Styler", "Emoticon", "*", "gif",
         "Emoticon|*.gif| All files|*.*"},
        {"AdvINIMemoStyler1", "Ini and Inf files", "Configuration Styler", ".ini", "ini;inf;reg",
         "Configuration files (*.ini;*.inf)|*.ini;*.inf|All files (*.*)|*.*"},
        {"AdvXMLMemoStyler1", "XML Files (XML)", "XML Files", ".xml", "xml",
         "XML Files (*.xml)|*.xml"},
        {"AdvPHPMemoStyler1", "PHP and E107", "PHP and E107", "", "php", ""},
    };
    for (const Identity& row : expected) {
        SCOPED_TRACE(row.component);
        const TAdvCustomMemoStyler& style = Style(row.component);
        EXPECT_EQ(style.Description, row.description);
        EXPECT_EQ(style.StylerName, row.stylerName);
        EXPECT_EQ(style.DefaultExtension, row.defaultExtension);
        EXPECT_EQ(style.Extensions, row.extensions);
        EXPECT_EQ(style.Filter, row.filter);
    }
}

TEST_F(StyleCatalogueTest, CommentsBlocksAndNumbersOfEachStyle) {
    struct Row {
        const char* component;
        std::string lineComment, commentLeft, commentRight, blockStart, blockEnd, hex;
        QColor commentColour, numberColour;
        TFontStyles numberStyle;
    };
    const std::string quotes3 = "\"\"\"";
    const std::string nul(1, '\0');
    const TFontStyles regular;
    const Row expected[] = {
        {"AdvPascalMemoStyler1", "//", "{", "}", "begin,try,case,class,record", "end", "$",
         clNavy, clFuchsia, fsBold},
        {"AdvWebMemoStyler1", "//", "<!--", "-->", "{", "}", "", clSilver, clNavy, fsBold},
        {"AdvHTMLMemoStyler1", "//", "<!--", "-->", "", "", "", clSilver, clBlack, regular},
        {"AdvJSMemoStyler1", "//", "<!--", "-->", "{", "}", "", clSilver, clNavy, fsBold},
        {"AdvBasicMemoStyler1", "'", "{", "}", "begin", "end", "0x", clNavy, clFuchsia, fsBold},
        {"AdvCSSMemoStyler1", "//", "", "", "", "", "", clNavy, clFuchsia, fsBold},
        {"AdvCSharpMemoStyler1", "//", "/*", "*/", "{", "}", "0x", clNavy, clFuchsia, fsBold},
        {"AdvSQLMemoStyler1", "'", "{", "}", "", "", "", clNavy, clFuchsia, fsBold},
        {"AdvPythonMemoStyler1", "#", quotes3, quotes3, "", "", "$", clNavy, clFuchsia, fsBold},
        {"AdvPerlMemoStyler1", "#", quotes3, quotes3, "", "", "", clNavy, clFuchsia, fsBold},
        {"AdvEmoticonMemoStyler1", "", "", "", "", "", "", clNavy, clFuchsia, fsBold},
        {"AdvINIMemoStyler1", "#0", "#0", "#0", nul, nul, "$", clSilver, clSilver, fsItalic},
        {"AdvXMLMemoStyler1", "//", "<!--", "-->", "", "", "", clNavy, clFuchsia, fsBold},
        {"AdvPHPMemoStyler1", "//", "/*", "*/", "{", "}", "", clNavy, clFuchsia, fsBold},
    };
    for (const Row& row : expected) {
        SCOPED_TRACE(row.component);
        const TAdvCustomMemoStyler& style = Style(row.component);
        EXPECT_EQ(style.LineComment, row.lineComment);
        EXPECT_EQ(style.MultiCommentLeft, row.commentLeft);
        EXPECT_EQ(style.MultiCommentRight, row.commentRight);
        EXPECT_EQ(style.BlockStart, row.blockStart);
        EXPECT_EQ(style.BlockEnd, row.blockEnd);
        EXPECT_EQ(style.HexIdentifier, row.hex);
        EXPECT_EQ(ColourName(style.CommentStyle.TextColor), ColourName(row.commentColour));
        EXPECT_EQ(StyleName(style.CommentStyle.Style), "italic");
        EXPECT_EQ(ColourName(style.NumberStyle.TextColor), ColourName(row.numberColour));
        EXPECT_EQ(StyleName(style.NumberStyle.Style), StyleName(row.numberStyle));
    }
}

// The INI style's delimiters are the two characters "#0", not a character of code 0, while
// its block words are one character of code 0: a slip either way would still compile.
TEST_F(StyleCatalogueTest, IniStyleKeepsNumberSignZeroAndTheNulCharacterApart) {
    const TAdvCustomMemoStyler& ini = Style("AdvINIMemoStyler1");
    ASSERT_EQ(ini.LineComment.size(), 2u);
    EXPECT_EQ(ini.LineComment[0], '#');
    EXPECT_EQ(ini.LineComment[1], '0');
    EXPECT_EQ(ini.MultiCommentLeft, "#0");
    EXPECT_EQ(ini.MultiCommentRight, "#0");
    ASSERT_EQ(ini.BlockStart.size(), 1u);
    EXPECT_EQ(ini.BlockStart[0], '\0');
    ASSERT_EQ(ini.BlockEnd.size(), 1u);
    EXPECT_EQ(ini.BlockEnd[0], '\0');
    ASSERT_EQ(ini.AllStyles.size(), 2u);
    EXPECT_EQ(ini.AllStyles[0].BracketStart, '[');
    EXPECT_EQ(ini.AllStyles[0].BracketEnd, ']');
    EXPECT_EQ(ini.AllStyles[1].Symbols, "=");
}

TEST_F(StyleCatalogueTest, ElementStylesOfEachStyleInOrder) {
    struct Row { const char* component; std::vector<std::string> elements; };
    const Row expected[] = {
        {"AdvPascalMemoStyler1",
         {"keywords \"Pascal Standard Default\" clGreen bold",
          "bracket \"Simple Quote\" clBlue regular ''",
          "bracket \"Double Quote\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clRed regular"}},
        {"AdvWebMemoStyler1",
         {"keywords \"Script Standard Default\" clFuchsia bold",
          "keywords \"HTML Standard Default\" clFuchsia bold",
          "bracket \"Single Quote\" clGreen regular ''",
          "bracket \"Double Quote\" clTeal regular \"\"",
          "symbols \"Symbols Delimiters\" clTeal regular",
          "keywords \"JavaScript Functions\" clGreen bold"}},
        {"AdvHTMLMemoStyler1",
         {"keywords \"HTML Standard Default\" clNavy regular",
          "keywords \"HTML Table Keywords\" clOlive regular",
          "keywords \"HTML Link Keywords\" clRed regular",
          "bracket \"Simple Bracket\" clBackground regular ''",
          "bracket \"Double Bracket\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clTeal regular"}},
        {"AdvJSMemoStyler1",
         {"keywords \"Script Standard Default\" clFuchsia bold",
          "bracket \"Simple Quote\" clGreen regular ''",
          "bracket \"Double Quote\" clTeal regular \"\"",
          "symbols \"Symbols Delimiters\" clTeal regular",
          "keywords \"JavaScript Functions\" clGreen bold"}},
        {"AdvBasicMemoStyler1",
         {"keywords \"Basic Standard Default\" clGreen regular",
          "bracket \"Simple Quote\" clBlue regular ''",
          "bracket \"Double Quote\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clTeal regular"}},
        {"AdvCSSMemoStyler1",
         {"keywords \"CSS Standard Default\" clGreen regular",
          "bracket \"Simple Quote\" clBlue regular ''",
          "bracket \"Double Quote\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clTeal regular"}},
        {"AdvCSharpMemoStyler1",
         {"keywords \"C# Standard Default\" clGreen bold",
          "keywords \"C# Regions\" clBlue bold",
          "keywords \"C# Conditional defines\" clNavy bold",
          "bracket \"Simple Quote\" clBlue regular ''",
          "bracket \"Double Quote\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clRed regular"}},
        {"AdvSQLMemoStyler1",
         {"keywords \"SQL Standard Default\" clGreen regular",
          "bracket \"Double Quote\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clTeal regular"}},
        {"AdvPythonMemoStyler1",
         {"keywords \"Python keywords\" clGreen bold",
          "bracket \"Simple Quote\" clBlue regular ''",
          "bracket \"Double Quote\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clRed regular"}},
        {"AdvPerlMemoStyler1",
         {"keywords \"Perl keywords\" clGreen bold",
          "keywords \"Perl functions\" clGreen bold",
          "bracket \"Simple Quote\" clBlue regular ''",
          "bracket \"Double Quote\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clRed regular"}},
        {"AdvEmoticonMemoStyler1", {"keywords \"Emoticons\" clGreen bold"}},
        {"AdvINIMemoStyler1",
         {"bracket \"Bracket\" clBlack regular []", "symbols \"Equal\" clBlack regular"}},
        {"AdvXMLMemoStyler1",
         {"keywords \"XML Default\" clGreen regular",
          "bracket \"Single quote\" clBlue regular ''",
          "bracket \"Double Quote\" clBlack bold \"\"",
          "symbols \"XML delimiters\" clTeal regular"}},
        {"AdvPHPMemoStyler1",
         {"keywords \"PHP Standard\" clGreen bold", "keywords \"E107\" clOlive bold",
          "bracket \"Simple Quote\" clBlue regular ''",
          "bracket \"Double Quote\" clBlue regular \"\"",
          "symbols \"Symbols Delimiters\" clRed regular"}},
    };
    for (const Row& row : expected) {
        SCOPED_TRACE(row.component);
        std::vector<std::string> actual;
        for (const TElementStyle& element : Style(row.component).AllStyles) {
            actual.push_back(Describe(element));
        }
        EXPECT_EQ(actual, row.elements);
    }
}

// Count, first and last word of every keyword group, in catalogue order: a word dropped,
// merged with its neighbour (a lost comma) or moved shows here.
TEST_F(StyleCatalogueTest, KeywordGroupsHaveTheirCountsAndEnds) {
    struct Group { std::size_t count; const char* first; const char* last; };
    const std::vector<Group> expected = {
        {52, "UNIT", "CASE"},                  // Pascal
        {24, "SCRIPT", "LOCATION"},            // Web: script
        {48, "A", "OPTION"},                   // Web: HTML
        {7, "alert", "focus"},                 // Web: JavaScript functions
        {107, "&lt", "PUBLIC"},                // HTML
        {10, "TABLE", "BORDERCOLORDARK"},      // HTML tables
        {2, "A", "HREF"},                      // HTML links
        {24, "SCRIPT", "LOCATION"},            // JavaScript
        {7, "alert", "focus"},                 // JavaScript functions
        {101, "ALIAS", "XOR"},                 // Basic
        {7, ".H1", ".COMMENT"},                // CSS
        {82, "NAMESPACE", "FIXED"},            // C#
        {2, "#region", "#endregion"},          // C# regions
        {8, "#if", "#line"},                   // C# conditional defines
        {51, "Proc", "Like"},                  // SQL
        {28, "AND", "WHILE"},                  // Python
        {45, "AND", "__DATA__"},               // Perl keywords
        {186, "abs", "write"},                 // Perl functions
        {10, ":)", ":@"},                      // Emoticons
        {3, "val", "xml version"},             // XML
        {21, "BREAK", "WHILE"},                // PHP
        {67, "AVATAR", "tpj"},                 // E107
    };
    std::vector<const TElementStyle*> groups;
    for (const TAdvCustomMemoStyler* style : styles) {
        for (const TElementStyle& element : style->AllStyles) {
            if (element.StyleType == stKeyword) {
                groups.push_back(&element);
            } else {
                EXPECT_TRUE(element.KeyWords.empty()) << element.Info;
            }
        }
    }
    ASSERT_EQ(groups.size(), expected.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        SCOPED_TRACE(groups[i]->Info);
        ASSERT_EQ(groups[i]->KeyWords.size(), expected[i].count);
        EXPECT_EQ(groups[i]->KeyWords.front(), expected[i].first);
        EXPECT_EQ(groups[i]->KeyWords.back(), expected[i].last);
    }
}

TEST_F(StyleCatalogueTest, RepeatedKeywordsStayRepeated) {
    auto occurrences = [](const TElementStyle& group, const char* word) {
        return std::count(group.KeyWords.begin(), group.KeyWords.end(), word);
    };
    EXPECT_EQ(occurrences(Style("AdvPascalMemoStyler1").AllStyles[0], "CLASS"), 2);
    EXPECT_EQ(occurrences(Style("AdvPascalMemoStyler1").AllStyles[0], "PROGRAM"), 2);
    EXPECT_EQ(occurrences(Style("AdvJSMemoStyler1").AllStyles[0], "WINDOW"), 2);
    EXPECT_EQ(occurrences(Style("AdvBasicMemoStyler1").AllStyles[0], "SHARED"), 2);
    EXPECT_EQ(occurrences(Style("AdvCSharpMemoStyler1").AllStyles[0], "DEFAULT"), 2);
    EXPECT_EQ(occurrences(Style("AdvSQLMemoStyler1").AllStyles[0], "Delete"), 2);
    EXPECT_EQ(occurrences(Style("AdvPHPMemoStyler1").AllStyles[1], "editparse"), 2);
}

TEST_F(StyleCatalogueTest, SymbolSetsOfEachStyle) {
    struct Row { const char* component; std::string symbols; };
    const Row expected[] = {
        {"AdvPascalMemoStyler1", " ,;:.(){}[]=-*/^%<>#\r\n"},
        {"AdvWebMemoStyler1", " ,;:.()[]=-*/^%<>#\r\n"},
        {"AdvHTMLMemoStyler1", " ,;:.()[]=-*/^%<>#\r\n"},
        {"AdvJSMemoStyler1", " ,;:.()[]=-*/^%<>#\r\n"},
        {"AdvBasicMemoStyler1", " ,;:.(){}[]=-*/^%<>#\r\n"},
        {"AdvCSSMemoStyler1", " ,;:.(){}[]=-*/^%<>#\r\n"},
        {"AdvCSharpMemoStyler1", " ,;:.()[]=-*/^%&^<>|!~\r\n"},
        {"AdvSQLMemoStyler1", " ,;:.(){}[]=-*/^%<>#\r\n"},
        {"AdvPythonMemoStyler1", " ;.,:\"{}[]()?!@#$%^&*-+=|\\/'\r\n"},
        {"AdvPerlMemoStyler1", " ,(){}[]-+*/=~!&|<>?:;.\r\n"},
        {"AdvINIMemoStyler1", "="},
        {"AdvXMLMemoStyler1", " =<?/>#\r\n"},
        {"AdvPHPMemoStyler1", " ,;:.()&{}[]=-*/^%<>#\r\n"},
    };
    for (const Row& row : expected) {
        SCOPED_TRACE(row.component);
        std::vector<std::string> sets;
        for (const TElementStyle& element : Style(row.component).AllStyles) {
            if (element.StyleType == stSymbol) sets.push_back(element.Symbols);
        }
        EXPECT_EQ(sets, std::vector<std::string>{row.symbols});
    }
    for (const TElementStyle& element : Style("AdvEmoticonMemoStyler1").AllStyles) {
        EXPECT_NE(element.StyleType, stSymbol);
    }
}

TEST_F(StyleCatalogueTest, SettingsCommonToEveryStyle) {
    for (const TAdvCustomMemoStyler* style : styles) {
        SCOPED_TRACE(style->objectName().toStdString());
        for (const TElementStyle& element : style->AllStyles) {
            SCOPED_TRACE(element.Info);
            EXPECT_EQ(element.Font.Name, "Courier New");
            EXPECT_EQ(element.Font.Height, -11);
            EXPECT_EQ(element.BGColor, clWhite);
            if (element.StyleType != stBracket) {
                EXPECT_EQ(element.BracketStart, '\0');
                EXPECT_EQ(element.BracketEnd, '\0');
            }
        }
        EXPECT_EQ(style->CommentStyle.BkColor, clWhite);
        EXPECT_EQ(style->NumberStyle.BkColor, clWhite);
        EXPECT_EQ(style->HintParameter.TextColor, clBlack);
        EXPECT_EQ(style->HintParameter.BkColor, clInfoBk());
        EXPECT_EQ(style->HintParameter.HintCharStart, '(');
        EXPECT_EQ(style->HintParameter.HintCharEnd, ')');
        EXPECT_EQ(style->HintParameter.HintCharDelimiter, ';');
        EXPECT_EQ(style->HintParameter.HintCharWriteDelimiter, ',');
        for (const TRegionDefinition& region : style->RegionDefinitions) {
            EXPECT_FALSE(region.ShowComments) << region.Identifier;
        }
    }
}

TEST_F(StyleCatalogueTest, SystemColoursComeFromTheApplicationPalette) {
    EXPECT_EQ(clBackground(), QGuiApplication::palette().color(QPalette::Window));
    EXPECT_EQ(clInfoBk(), QGuiApplication::palette().color(QPalette::ToolTipBase));
}

TEST_F(StyleCatalogueTest, CompletionAndParametersOfTheSmallStyles) {
    struct Row {
        const char* component;
        std::vector<std::string> completion, parameters;
    };
    const Row expected[] = {
        {"AdvPascalMemoStyler1", {"ShowMessage", "MessageDlg"},
         {"ShowMessage(const Msg: string);",
          "MessageDlg(const Msg: string; DlgType: TMsgDlgType; Buttons: TMsgDlgButtons; "
          "HelpCtx: Longint): Integer);"}},
        {"AdvWebMemoStyler1", {"alert", "confirm", "prompt"},
         {"alert(message)", "confirm(message)", "prompt(message,defaultvalue)"}},
        {"AdvHTMLMemoStyler1", {}, {}},
        {"AdvJSMemoStyler1", {"alert", "confirm", "prompt"},
         {"alert(message)", "confirm(message)", "prompt(message,defaultvalue)"}},
        {"AdvBasicMemoStyler1", {"ShowMessage", "MessageDlg"},
         {"ShowMessage(string Msg)",
          "MessageDlg(string Msg; TMsgDlgType DlgType; TMsgDlgButtons Buttons; LongInt: "
          "HelpCtx)"}},
        {"AdvCSSMemoStyler1", {}, {}},
        {"AdvCSharpMemoStyler1", {}, {}},
        {"AdvSQLMemoStyler1", {"SELECT", "WHERE"}, {}},
        {"AdvPythonMemoStyler1", {}, {}},
        {"AdvPerlMemoStyler1", {}, {}},
        {"AdvEmoticonMemoStyler1", {}, {}},
        {"AdvINIMemoStyler1", {}, {}},
        {"AdvXMLMemoStyler1", {}, {}},
    };
    for (const Row& row : expected) {
        SCOPED_TRACE(row.component);
        EXPECT_EQ(Style(row.component).AutoCompletion, row.completion);
        EXPECT_EQ(Style(row.component).HintParameter.Parameters, row.parameters);
    }
}

TEST_F(StyleCatalogueTest, RegionsOfPascalAndCSharpOnly) {
    auto describe = [](const TAdvCustomMemoStyler& style) {
        static const char* const types[] = {"rtOpen", "rtClosed", "rtFile", "rtIgnore"};
        std::vector<std::string> lines;
        for (const TRegionDefinition& region : style.RegionDefinitions) {
            lines.push_back(region.Identifier + "|" + region.RegionStart + "|" + region.RegionEnd +
                            "|" + types[region.RegionType]);
        }
        return lines;
    };
    const std::vector<std::string> pascal = {
        "procedure|begin|end|rtClosed",        "interface|interface||rtOpen",
        "unit|unit||rtFile",                   "implementation|implementation||rtOpen",
        "case|case|end|rtIgnore",              "try|try|end|rtIgnore",
        "function|begin|end|rtClosed",         "{$region|{$region|{$endregion|rtClosed",
    };
    const std::vector<std::string> cSharp = {
        "namespace|{|}|rtClosed",
        "#region|#region|#endregion|rtClosed",
        "public|{|}|rtClosed",
        "private|{|}|rtClosed",
    };
    for (const TAdvCustomMemoStyler* style : styles) {
        const std::string name = style->objectName().toStdString();
        SCOPED_TRACE(name);
        if (name == "AdvPascalMemoStyler1") {
            EXPECT_EQ(describe(*style), pascal);
        } else if (name == "AdvCSharpMemoStyler1") {
            EXPECT_EQ(describe(*style), cSharp);
        } else {
            EXPECT_TRUE(style->RegionDefinitions.empty());
        }
    }
}

// The function name of a call text: what comes before its "(".
std::vector<std::string> FunctionNames(const std::vector<std::string>& calls, std::size_t from) {
    std::vector<std::string> names;
    for (std::size_t i = from; i < calls.size(); ++i) {
        names.push_back(calls[i].substr(0, calls[i].find('(')));
    }
    return names;
}

TEST_F(StyleCatalogueTest, PhpCompletionIsTheCallTextOfEachListedFunction) {
    const std::vector<std::string>& completion = Style("AdvPHPMemoStyler1").AutoCompletion;
    ASSERT_EQ(completion.size(), 68u);
    EXPECT_EQ(completion[0], "int Print(string arg);");
    EXPECT_EQ(completion[1], "Printf");
    const std::vector<std::string> order = {
        "Avatar", "ban", "cache_fname", "check_class", "checkvalidtheme", "clear",
        "convert_date", "db_Close", "db_Connect", "db_Count", "db_Delete", "db_Fetch",
        "db_Fieldname", "db_Insert", "db_Rows", "db_Select", "db_Select_gen", "db_Update",
        "dbError", "delete", "delete_item", "delete_poll", "e107_parse", "e107cache_page_md5",
        "edit_item", "editparse", "enter_comment", "flood", "form_button", "form_checkbox",
        "form_comment", "form_file", "form_hidden", "form_open", "form_option", "form_password",
        "form_radio", "form_select_close", "form_select_open", "form_text", "form_textarea",
        "getip", "getperms", "gettime", "init_session", "online", "preview", "r_emote",
        "render_comment", "render_newsitem", "render_poll", "retrieve_cache", "save_prefs",
        "sendemail", "set", "set_cache", "set_error_handler", "submit_item", "submit_poll",
        "tablerender", "textparse", "tp", "tpa", "tpj", "update_cache", "userlogin",
    };
    EXPECT_EQ(FunctionNames(completion, 2), order);
    for (std::size_t i = 2; i < completion.size(); ++i) {
        SCOPED_TRACE(completion[i]);
        EXPECT_TRUE(completion[i].ends_with(");"));
        EXPECT_EQ(completion[i].find(", "), std::string::npos);
    }
    EXPECT_EQ(completion[3], "ban();");
    EXPECT_EQ(completion[4], "cache_fname($query);");
    EXPECT_EQ(completion[5], "check_class($var,$userclass=USERCLASS);");
    EXPECT_EQ(completion[15], "db_Insert($table,$arg);");
}

TEST_F(StyleCatalogueTest, PhpParametersAreTheSignatureOfEachListedFunction) {
    const TAdvCustomMemoStyler& php = Style("AdvPHPMemoStyler1");
    const std::vector<std::string>& parameters = php.HintParameter.Parameters;
    ASSERT_EQ(parameters.size(), 69u);
    EXPECT_EQ(parameters[0], "print( string arg ) : int;");
    EXPECT_EQ(parameters[1], "printf ( string format [, mixed args]);");
    const std::vector<std::string> order = {
        "Avatar", "ban", "check_class", "convert_date", "dbError", "db_Close", "db_Connect",
        "db_Count", "db_Delete", "db_Fetch", "db_Fieldname", "db_Insert", "db_Rows", "db_Select",
        "db_Select_gen", "db_Update", "delete_item", "delete_poll", "editparse", "edit_item",
        "enter_comment", "flood", "form_button", "form_checkbox", "form_comment", "form_file",
        "form_hidden", "form_open", "form_option", "form_password", "form_radio",
        "form_select_close", "form_select_open", "form_text", "form_textarea", "getip",
        "getperms", "gettime", "init_session", "online", "preview", "render_comment",
        "render_newsitem", "render_poll", "r_emote", "save_prefs", "sendemail",
        "set_error_handler", "submit_item", "submit_poll", "tablerender", "cache_fname", "tp",
        "tpa", "update_cache", "userlogin", "e107cache_page_md5", "set", "set_cache",
        "retrieve_cache", "clear", "delete", "checkvalidtheme", "e107_parse", "textparse",
        "editparse", "tpj",
    };
    EXPECT_EQ(FunctionNames(parameters, 2), order);
    EXPECT_EQ(parameters[3], "ban();");
    EXPECT_EQ(parameters[4], "check_class($var, $userclass=USERCLASS);");
    EXPECT_EQ(parameters[13], "db_Insert($table, $arg);");

    // Each signature is its completion text with a space after every comma.
    const std::vector<std::string>& completion = php.AutoCompletion;
    for (std::size_t i = 2; i < parameters.size(); ++i) {
        SCOPED_TRACE(parameters[i]);
        std::string compact = parameters[i];
        for (std::size_t at; (at = compact.find(", ")) != std::string::npos;) {
            compact.erase(at + 1, 1);
        }
        EXPECT_NE(std::find(completion.begin(), completion.end(), compact), completion.end());
        for (std::size_t at = parameters[i].find(','); at != std::string::npos;
             at = parameters[i].find(',', at + 1)) {
            EXPECT_EQ(parameters[i].substr(at, 2), ", ");
        }
    }
}

}  // namespace
}  // namespace fif
