#include "results/memo_lexer.h"

#include "results/preview_fonts.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace fif {
namespace {

constexpr QColor kWebAddressColor{0, 0, 255};  // blue
constexpr QColor kWebAddressPaper{255, 255, 255};

QFont WithStyle(QFont font, TFontStyles style) {
    font.setBold(style.testFlag(fsBold));
    font.setItalic(style.testFlag(fsItalic));
    return font;
}

}  // namespace

TMemoLexer::TMemoLexer(const TAdvCustomMemoStyler& style, const QFont& baseFont, QObject* parent)
    : QsciLexerCustom(parent), language_(QByteArray::fromStdString(style.Description)), rules_(style) {
    // One row per style number: the fixed styles, then one per element of the style.
    QFont webAddressFont = baseFont;
    webAddressFont.setUnderline(true);
    looks_ = {
        {QStringLiteral("Plain text"), clBlack, clWhite, baseFont},
        {QStringLiteral("Comment"), style.CommentStyle.TextColor, style.CommentStyle.BkColor,
         WithStyle(baseFont, style.CommentStyle.Style)},
        {QStringLiteral("Number"), style.NumberStyle.TextColor, style.NumberStyle.BkColor,
         WithStyle(baseFont, style.NumberStyle.Style)},
        {QStringLiteral("Web address"), kWebAddressColor, kWebAddressPaper, webAddressFont},
    };
    const std::size_t elements = std::min<std::size_t>(style.AllStyles.size(), kMaxElementStyles);
    for (std::size_t index = 0; index < elements; ++index) {
        const TElementStyle& element = style.AllStyles[index];
        looks_.push_back({QString::fromStdString(element.Info), element.Font.Color, element.BGColor,
                          FontForStyle(element.Font)});
    }
    setDefaultColor(Look(kPlainTextStyle).color);
    setDefaultPaper(Look(kPlainTextStyle).paper);
    setDefaultFont(Look(kPlainTextStyle).font);
}

const char* TMemoLexer::language() const { return language_.constData(); }

const TMemoLexer::TStyleLook& TMemoLexer::Look(int style) const {
    return style >= 0 && static_cast<std::size_t>(style) < looks_.size() ? looks_[style] : looks_[kPlainTextStyle];
}

QString TMemoLexer::description(int style) const {
    return style >= 0 && static_cast<std::size_t>(style) < looks_.size() ? looks_[style].description : QString();
}

QColor TMemoLexer::defaultColor(int style) const { return Look(style).color; }
QColor TMemoLexer::defaultPaper(int style) const { return Look(style).paper; }
QFont TMemoLexer::defaultFont(int style) const { return Look(style).font; }

void TMemoLexer::styleText(int start, int end) {
    QsciScintilla* editor = this->editor();
    if (!editor || end <= start) return;
    const long firstLine = editor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
    const long lastLine = editor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, end - 1);
    // Whole lines, line ends included, so that a comment's state is known at each line's end.
    const long rangeStart = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, firstLine);
    // The start of the line after the last is the text's length when the last is the final line.
    const long rangeEnd = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, lastLine + 1);
    const long length = rangeEnd - rangeStart;
    if (length <= 0) return;
    const char* text = reinterpret_cast<const char*>(
        editor->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, rangeStart, length));
    styles_.assign(static_cast<std::size_t>(length), static_cast<char>(kPlainTextStyle));

    bool inComment = firstLine > 0 && editor->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, firstLine - 1) != 0;
    for (long line = firstLine; line <= lastLine; ++line) {
        const long lineStart = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line) - rangeStart;
        const long lineEnd = editor->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line) - rangeStart;
        inComment = rules_.StyleLine(std::string_view(text + lineStart, static_cast<std::size_t>(lineEnd - lineStart)),
                                     inComment, styles_.data() + lineStart);
        editor->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, line, inComment ? 1L : 0L);
    }
    startStyling(static_cast<int>(rangeStart));
    editor->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(length),
                          static_cast<const char*>(styles_.data()));
}

}  // namespace fif
