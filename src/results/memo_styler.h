#pragma once

#include <QColor>
#include <QFlags>
#include <QObject>

#include <string>
#include <vector>

namespace fif {

// Colours under the names the window's layout gives them.
inline constexpr QColor clBlack{0, 0, 0};
inline constexpr QColor clWhite{255, 255, 255};
inline constexpr QColor clNavy{0, 0, 128};
inline constexpr QColor clBlue{0, 0, 255};
inline constexpr QColor clGreen{0, 128, 0};
inline constexpr QColor clTeal{0, 128, 128};
inline constexpr QColor clOlive{128, 128, 0};
inline constexpr QColor clRed{255, 0, 0};
inline constexpr QColor clFuchsia{255, 0, 255};
inline constexpr QColor clSilver{192, 192, 192};

// The two system colours, read from the application palette when called: the desktop
// background has no role of its own in a Qt palette, so the window background
// (QPalette::Window) stands in for it; tooltips have QPalette::ToolTipBase. Both read the
// palette of the running QGuiApplication (or Qt's default palette before one exists).
QColor clBackground();
QColor clInfoBk();

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// Colours and font style of comments or numbers.
struct TCharStyle {
    QColor TextColor = clBlack;
    QColor BkColor = clWhite;
    TFontStyles Style;
};

// The font of one element style. A negative height is a character height in pixels
// (without internal leading), as -11 is 11 pixels; a positive one would be a cell height.
struct TMemoFont {
    std::string Name = "Courier New";
    int Height = -11;
    QColor Color = clBlack;
    TFontStyles Style;
};

enum TStyleType { stKeyword, stBracket, stSymbol };

// One element of a style: a keyword group, a bracket pair or a symbol set. Only the
// fields of its StyleType carry meaning; the others stay empty.
struct TElementStyle {
    std::string Info;                   // its label
    TStyleType StyleType = stKeyword;
    std::vector<std::string> KeyWords;  // stKeyword: the words, in their listed order
    char BracketStart = '\0';           // stBracket: one character each; '\0' means none
    char BracketEnd = '\0';
    std::string Symbols;                // stSymbol: a set of characters; order and repeats carry no meaning
    TMemoFont Font;
    QColor BGColor = clWhite;
};

// The pop-up that shows a call's parameters while it is typed.
struct THintParameter {
    QColor TextColor = clBlack;
    QColor BkColor;  // clInfoBk in every catalogue style
    char HintCharStart = '(';
    char HintCharEnd = ')';
    char HintCharDelimiter = ';';
    char HintCharWriteDelimiter = ',';
    std::vector<std::string> Parameters;  // call signatures
};

enum TRegionType { rtOpen, rtClosed, rtFile, rtIgnore };

// A foldable region of text.
struct TRegionDefinition {
    std::string Identifier;
    std::string RegionStart;
    std::string RegionEnd;
    TRegionType RegionType = rtOpen;
    bool ShowComments = false;
};

// Every setting of a syntax style, as plain data so that a style can be written down as
// one table. Texts are bytes in the system code page (UTF-8 here), as file contents are.
struct TMemoStylerSettings {
    std::string Description;       // the registry key
    std::string StylerName;        // a display name; nothing reads it
    std::string Filter;            // file-dialog filter "label|patterns|label|patterns"
    std::string DefaultExtension;  // stored only
    std::string Extensions;        // semicolon-separated, without dots; stored only
    std::string LineComment;
    std::string MultiCommentLeft;
    std::string MultiCommentRight;
    std::string BlockStart;        // comma-separated words that open a block
    std::string BlockEnd;
    std::string HexIdentifier;     // prefix of hexadecimal numbers
    TCharStyle CommentStyle;
    TCharStyle NumberStyle;
    std::vector<TElementStyle> AllStyles;  // in order
    std::vector<std::string> AutoCompletion;
    THintParameter HintParameter;
    std::vector<TRegionDefinition> RegionDefinitions;  // in order
};

// A syntax style for one language. It is a QObject so that the window owns its styles as
// children and a viewer can hold a QPointer to the style it shows, which turns null when
// the style is destroyed. The settings are public fields.
class TAdvCustomMemoStyler : public QObject, public TMemoStylerSettings {
    Q_OBJECT
public:
    explicit TAdvCustomMemoStyler(QObject* owner = nullptr);
    TAdvCustomMemoStyler(const TMemoStylerSettings& settings, QObject* owner);
};

}  // namespace fif
