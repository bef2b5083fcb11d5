#pragma once

#include "results/adv_memo_undo_budget.h"
#include "results/memo_styler.h"
#include "results/preview_text.h"

#include <Qsci/qsciscintilla.h>

#include <QPointer>
#include <memory>
#include <string>
#include <string_view>

namespace fif {

class TMemoLexerCache;

// The preview's code viewer: a Scintilla editor that holds a file's lines as bytes,
// colours them by a syntax style, finds a text from the cursor and reports every move of
// the cursor. The text may be edited, but nothing is ever written back: a load discards
// the edits.
//
// The viewer's columns are bytes of the line as held (after tabs became spaces). Lines
// are shown decoded as UTF-8; a byte that is no part of valid UTF-8 is shown as a box
// with its hex value and still takes one column.
//
// Scintilla keeps the whole undo history; only the newest kUndoLimit steps can be undone,
// by the menu and the keys alike.
class TAdvMemo : public QsciScintilla {
    Q_OBJECT

public:
    // Options of FindTextFromCursor, a bit set. The viewer treats both alike.
    static constexpr int kFindForward = 1;
    static constexpr int kFindNext = 2;

    static constexpr int kTabSize = kViewerTabSize;
    static constexpr int kUndoLimit = 100;
    static constexpr int kRightMargin = 80;

    explicit TAdvMemo(QWidget* parent = nullptr);
    ~TAdvMemo() override;

    // Loads the file at `path` (bytes, as the file system takes them). Before reading,
    // collapses the selection, clears the undo history and puts the cursor at line 0,
    // column 0. Throws std::runtime_error "Cannot open file "<path>". <reason>" when the
    // file cannot be read; the old lines are then kept.
    void LoadFromFile(const std::string& path);

    // Finds `text` from the cursor forward, with ASCII letters' case ignored, starting
    // after the selection when it lies on the cursor's line and at the start of that
    // line otherwise; does not wrap. Found: selects the match with the cursor at its
    // start, scrolls it into view and returns its position in the whole text (>= 0).
    // Not found: removes the selection, leaves the cursor and returns -1. An empty text
    // returns -1 and changes nothing.
    long FindTextFromCursor(const QString& text, int options);

    // The syntax style that colours the text, or none (plain text). A style destroyed
    // while shown is dropped, and the text turns plain.
    void SetSyntaxStyles(TAdvCustomMemoStyler* style);
    TAdvCustomMemoStyler* SyntaxStyles() const { return style_.data(); }

    long CursorLine() const;
    long CursorColumn() const;  // in bytes of the line
    long LineCount() const;     // 0 after loading an empty file
    std::string LineBytes(long line) const;  // without its line end
    std::string TextBytes() const;           // the lines joined by their line ends

    // Marks the text for colouring anew; the whole text is coloured only as it is shown.
    void recolor(int start = 0, int end = -1) override;

    int UndoLimit() const { return undo_.Limit(); }
    bool CanUndoStep() const;

public slots:
    void undo() override;
    void redo() override;

signals:
    // The cursor's line or column changed, whatever moved it (keys, mouse, a find, the
    // reset of a load). Also once after a load when the number of lines differs from the
    // one last reported (so always after the first load), so that a status shows the
    // shown file's line count.
    void CursorChange();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyLook();
    void TakeOverUndoKeys();
    void NotifyIfCursorMoved();
    void ReplaceText(std::string_view fileBytes);
    void SelectMatch(long start, long end);
    void OnModified(int type);
    void OnStyleDestroyed(QObject* style);

    TUndoBudget undo_{kUndoLimit};
    int undoKeys_[2] = {0, 0};
    int redoKeys_[2] = {0, 0};

    QPointer<TAdvCustomMemoStyler> style_;
    const QObject* styleKey_ = nullptr;  // style_ as it was set; QPointer is null by destruction
    std::unique_ptr<TMemoLexerCache> lexers_;

    long reportedLine_ = 0;
    long reportedColumn_ = 0;
    long reportedLineCount_ = -1;  // none reported yet
    bool holdsNoLines_ = false;  // an empty file was loaded and nothing typed since

    // A find that failed removed the selection: the selection then counts as line 0,
    // column 0 until the cursor or the anchor moves, although the cursor stays put.
    bool selectionCleared_ = false;
    long clearedAnchor_ = 0;
    long clearedCaret_ = 0;
};

}  // namespace fif
