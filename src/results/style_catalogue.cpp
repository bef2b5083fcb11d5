#include "results/style_catalogue.h"

#include "results/style_catalogue_tables.h"

#include <QObject>

#include <utility>

namespace fif {

namespace catalogue {

namespace {

TElementStyle ElementIn(std::string info, TStyleType type, QColor color, TFontStyles style) {
    TElementStyle element;
    element.Info = std::move(info);
    element.StyleType = type;
    element.Font = TMemoFont{"Courier New", -11, color, style};
    element.BGColor = clWhite;
    return element;
}

}  // namespace

TElementStyle KeywordGroup(std::string info, QColor color, TFontStyles style,
                           std::vector<std::string> keyWords) {
    TElementStyle element = ElementIn(std::move(info), stKeyword, color, style);
    element.KeyWords = std::move(keyWords);
    return element;
}

TElementStyle Bracket(std::string info, QColor color, TFontStyles style, char start, char end) {
    TElementStyle element = ElementIn(std::move(info), stBracket, color, style);
    element.BracketStart = start;
    element.BracketEnd = end;
    return element;
}

TElementStyle SymbolSet(std::string info, QColor color, TFontStyles style, std::string symbols) {
    TElementStyle element = ElementIn(std::move(info), stSymbol, color, style);
    element.Symbols = std::move(symbols);
    return element;
}

TCharStyle CommentIn(QColor textColor) { return TCharStyle{textColor, clWhite, fsItalic}; }

TCharStyle NumbersIn(QColor textColor, TFontStyles style) {
    return TCharStyle{textColor, clWhite, style};
}

THintParameter Hints(std::vector<std::string> parameters) {
    THintParameter hint;
    hint.TextColor = clBlack;
    hint.BkColor = clInfoBk();
    hint.HintCharStart = '(';
    hint.HintCharEnd = ')';
    hint.HintCharDelimiter = ';';
    hint.HintCharWriteDelimiter = ',';
    hint.Parameters = std::move(parameters);
    return hint;
}

TRegionDefinition Region(std::string identifier, std::string regionStart, std::string regionEnd,
                         TRegionType regionType) {
    return TRegionDefinition{std::move(identifier), std::move(regionStart), std::move(regionEnd),
                             regionType, false};
}

}  // namespace catalogue

namespace {

struct CatalogueEntry {
    const char* componentName;
    TMemoStylerSettings (*settings)();
};

// The creation order; the registry's duplicate rule depends on it (of the two "Web pages"
// styles the later one, AdvHTMLMemoStyler1, is registered).
const CatalogueEntry kCatalogue[kStyleCatalogueSize] = {
    {"AdvPascalMemoStyler1", catalogue::PascalStyle},
    {"AdvWebMemoStyler1", catalogue::WebStyle},
    {"AdvHTMLMemoStyler1", catalogue::HTMLStyle},
    {"AdvJSMemoStyler1", catalogue::JSStyle},
    {"AdvBasicMemoStyler1", catalogue::BasicStyle},
    {"AdvCSSMemoStyler1", catalogue::CSSStyle},
    {"AdvCSharpMemoStyler1", catalogue::CSharpStyle},
    {"AdvSQLMemoStyler1", catalogue::SQLStyle},
    {"AdvPythonMemoStyler1", catalogue::PythonStyle},
    {"AdvPerlMemoStyler1", catalogue::PerlStyle},
    {"AdvEmoticonMemoStyler1", catalogue::EmoticonStyle},
    {"AdvINIMemoStyler1", catalogue::INIStyle},
    {"AdvXMLMemoStyler1", catalogue::XMLStyle},
    {"AdvPHPMemoStyler1", catalogue::PHPStyle},
};

}  // namespace

TStyleCatalogue CreateStyleCatalogue(QObject* owner) {
    TStyleCatalogue styles{};
    for (std::size_t i = 0; i < kStyleCatalogueSize; ++i) {
        styles[i] = new TAdvCustomMemoStyler(kCatalogue[i].settings(), owner);
        styles[i]->setObjectName(QString::fromLatin1(kCatalogue[i].componentName));
    }
    return styles;
}

}  // namespace fif
