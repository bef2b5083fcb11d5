#pragma once

#include "results/memo_lexer_rules.h"
#include "results/memo_styler.h"

#include <Qsci/qscilexercustom.h>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <vector>

namespace fif {

// The viewer's lexer for one syntax style: colours comments, numbers, keywords,
// bracketed spans, symbols and web addresses in the fonts and colours the style gives.
// It styles only the ranges the editor asks for, which are the ones it is about to show,
// so a large file is not coloured whole before it is shown. The style's data is copied
// when the lexer is made.
class TMemoLexer : public QsciLexerCustom {
    Q_OBJECT

public:
    // `baseFont` is the viewer's own font, for plain text, comments, numbers and
    // web addresses.
    TMemoLexer(const TAdvCustomMemoStyler& style, const QFont& baseFont, QObject* parent = nullptr);

    const char* language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    bool caseSensitive() const override { return false; }

    void styleText(int start, int end) override;

private:
    // How one style number looks.
    struct TStyleLook {
        QString description;
        QColor color;
        QColor paper;
        QFont font;
    };

    const TStyleLook& Look(int style) const;

    QByteArray language_;
    std::vector<TStyleLook> looks_;  // indexed by style number
    TMemoLexerRules rules_;
    std::string styles_;  // scratch buffer for one range
};

}  // namespace fif
