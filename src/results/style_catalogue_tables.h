#pragma once

// The building blocks of the style tables, shared by the files that hold them.

#include "results/memo_styler.h"

#include <string>
#include <vector>

namespace fif::catalogue {

// The empty font style set.
inline constexpr TFontStyles Regular{};

// Element styles, each in the catalogue's common font ("Courier New", 11 pixels) on clWhite.
TElementStyle KeywordGroup(std::string info, QColor color, TFontStyles style,
                           std::vector<std::string> keyWords);
TElementStyle Bracket(std::string info, QColor color, TFontStyles style, char start, char end);
TElementStyle SymbolSet(std::string info, QColor color, TFontStyles style, std::string symbols);

// Comments are italic on clWhite in every style; numbers are on clWhite.
TCharStyle CommentIn(QColor textColor);
TCharStyle NumbersIn(QColor textColor, TFontStyles style);

// The parameter hint common to every style: clBlack on clInfoBk, "(" ")" ";" ",".
THintParameter Hints(std::vector<std::string> parameters);

// A region with ShowComments off, as every region of the catalogue has.
TRegionDefinition Region(std::string identifier, std::string regionStart, std::string regionEnd,
                         TRegionType regionType);

// One table per style.
TMemoStylerSettings PascalStyle();
TMemoStylerSettings WebStyle();
TMemoStylerSettings HTMLStyle();
TMemoStylerSettings JSStyle();
TMemoStylerSettings BasicStyle();
TMemoStylerSettings CSSStyle();
TMemoStylerSettings CSharpStyle();
TMemoStylerSettings SQLStyle();
TMemoStylerSettings PythonStyle();
TMemoStylerSettings PerlStyle();
TMemoStylerSettings EmoticonStyle();
TMemoStylerSettings INIStyle();
TMemoStylerSettings XMLStyle();
TMemoStylerSettings PHPStyle();

}  // namespace fif::catalogue
