#include "results/adv_memo.h"

#include "platform/qt_text.h"
#include "platform/read_only_file.h"
#include "results/memo_lexer_cache.h"
#include "results/preview_find.h"
#include "results/preview_fonts.h"
#include "results/preview_text.h"
#include "search/text_match.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace fif {
namespace {

constexpr QColor kTextColor{0, 0, 0};
constexpr QColor kPaperColor{255, 255, 255};
constexpr QColor kRightMarginColor{226, 226, 226};
constexpr QColor kSelectionText{255, 255, 255};
constexpr QColor kSelectionBack{0, 0, 128};  // navy
constexpr int kLineNumberMargin = 0;
constexpr int kLineNumberDigits = 5;
constexpr int kLineNumberPadding = 4;  // pixels beside the digits

// A key as QsciCommand writes it: the key code with the modifier bits.
int CommandKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return event.key() | static_cast<int>(modifiers);
}

// The editor's own accessible reports the cursor as a character count from the start of
// the text, which it finds by walking every character before the cursor each time the
// view updates: half a second at the end of a 100 MB file, on every paint. The viewer
// is described as a plain editable widget instead.
QAccessibleInterface* MemoAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(TAdvMemo::staticMetaObject.className()) && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
    return nullptr;
}

}  // namespace

TAdvMemo::TAdvMemo(QWidget* parent)
    : QsciScintilla(parent), lexers_(std::make_unique<TMemoLexerCache>(ViewerFont(kViewerFontFamily, kViewerFontPixels))) {
    static const bool accessibleInstalled = (QAccessible::installFactory(MemoAccessible), true);
    Q_UNUSED(accessibleInstalled);
    // The document holds the file's bytes; Scintilla shows valid UTF-8 as text and each
    // byte outside it as a box with its hex value, and counts positions in bytes.
    setUtf8(true);
    setEolMode(EolUnix);
    setWrapMode(WrapNone);
    setCaretLineVisible(false);
    setFolding(NoFoldStyle);
    setBraceMatching(NoBraceMatch);
    setAutoIndent(false);
    // Completion and hints are never offered, so nothing is inserted on its own.
    setAutoCompletionSource(AcsNone);
    setCallTipsStyle(CallTipsNone);
    setTabWidth(kTabSize);
    setIndentationsUseTabs(false);  // the Tab key types spaces, as a load turns tabs into spaces
    setEdgeMode(EdgeLine);
    setEdgeColumn(kRightMargin);
    setEdgeColor(kRightMarginColor);
    setSelectionForegroundColor(kSelectionText);
    setSelectionBackgroundColor(kSelectionBack);
    SendScintilla(SCI_HIDESELECTION, 1L);  // until the viewer has the focus
    setColor(kTextColor);
    setPaper(kPaperColor);
    setMarginLineNumbers(kLineNumberMargin, true);
    for (int margin = 1; margin < margins(); ++margin) setMarginWidth(margin, 0);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    ApplyLook();
    TakeOverUndoKeys();

    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) { NotifyIfCursorMoved(); });
    // Plain text keeps the style every byte gets when it is inserted; the text asked for is
    // marked styled without touching it, which a large file needs (styling 100 MB byte by
    // byte takes the better part of a second).
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this, [this](int position) {
        if (!lexer()) SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(position));
    });
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char*, int, int, int, int, int, int, int) { OnModified(type); });
}

TAdvMemo::~TAdvMemo() {
    // Detach the lexer while it still exists; the cache goes before the editor does.
    setLexer(nullptr);
}

// The look that a lexer change resets: the fonts of plain text and of the line numbers.
void TAdvMemo::ApplyLook() {
    const auto styleFont = [this](int style, const QFont& font) {
        SendScintilla(SCI_STYLESETFONT, static_cast<uintptr_t>(style), font.family().toUtf8().constData());
        SendScintilla(SCI_STYLESETSIZEFRACTIONAL, static_cast<unsigned long>(style),
                      static_cast<long>(font.pointSizeF() * static_cast<double>(SC_FONT_SIZE_MULTIPLIER)));
        SendScintilla(SCI_STYLESETBOLD, static_cast<unsigned long>(style), static_cast<long>(font.bold()));
        SendScintilla(SCI_STYLESETITALIC, static_cast<unsigned long>(style), static_cast<long>(font.italic()));
    };
    // With a lexer, text before the shown lines is coloured in idle time, so that the
    // view can be drawn at once; plain text needs no colouring at all.
    SendScintilla(SCI_SETIDLESTYLING,
                  static_cast<unsigned long>(lexer() ? SC_IDLESTYLING_TOVISIBLE : SC_IDLESTYLING_NONE));
    if (!lexer()) {
        styleFont(STYLE_DEFAULT, ViewerFont(kViewerFontFamily, kViewerFontPixels));
        SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_DEFAULT), kTextColor);
        SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), kPaperColor);
        SendScintilla(SCI_STYLECLEARALL);
    }
    styleFont(STYLE_LINENUMBER, ViewerFont(kGutterFontFamily, kGutterFontPixels));
    const long digitsWidth = SendScintilla(SCI_TEXTWIDTH, static_cast<uintptr_t>(STYLE_LINENUMBER),
                                           std::string(kLineNumberDigits, '0').c_str());
    setMarginWidth(kLineNumberMargin, static_cast<int>(digitsWidth) + kLineNumberPadding);
}

// Scintilla undoes on its own keys without asking; the keys are moved here so that every
// undo and redo goes through the limit.
void TAdvMemo::TakeOverUndoKeys() {
    const auto takeOver = [this](QsciCommand::Command command, int (&keys)[2]) {
        QsciCommand* binding = standardCommands()->find(command);
        if (!binding) return;
        keys[0] = binding->key();
        keys[1] = binding->alternateKey();
        binding->setKey(0);
        binding->setAlternateKey(0);
    };
    takeOver(QsciCommand::Undo, undoKeys_);
    takeOver(QsciCommand::Redo, redoKeys_);
}

void TAdvMemo::keyPressEvent(QKeyEvent* event) {
    const int key = CommandKey(*event);
    const auto bound = [key](const int (&keys)[2]) { return key != 0 && (key == keys[0] || key == keys[1]); };
    if (bound(undoKeys_)) {
        undo();
        event->accept();
    } else if (bound(redoKeys_)) {
        redo();
        event->accept();
    } else {
        QsciScintilla::keyPressEvent(event);
    }
}

void TAdvMemo::undo() {
    if (!undo_.CanUndo() || !SendScintilla(SCI_CANUNDO)) return;
    SendScintilla(SCI_UNDO);
    undo_.Undone();
}

void TAdvMemo::redo() {
    if (!undo_.CanRedo() || !SendScintilla(SCI_CANREDO)) return;
    SendScintilla(SCI_REDO);
    undo_.Redone();
}

bool TAdvMemo::CanUndoStep() const { return undo_.CanUndo() && SendScintilla(SCI_CANUNDO) != 0; }

void TAdvMemo::OnModified(int type) {
    if (!(type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT))) return;
    if (type & SC_MOD_INSERTTEXT) holdsNoLines_ = false;
    // Scintilla marks the first change of each new undo step; undo and redo make none.
    if ((type & SC_PERFORMED_USER) && (type & SC_STARTACTION)) undo_.Recorded();
}

void TAdvMemo::focusInEvent(QFocusEvent* event) {
    SendScintilla(SCI_HIDESELECTION, 0L);
    QsciScintilla::focusInEvent(event);
}

void TAdvMemo::focusOutEvent(QFocusEvent* event) {
    SendScintilla(SCI_HIDESELECTION, 1L);
    QsciScintilla::focusOutEvent(event);
}

long TAdvMemo::CursorLine() const {
    return SendScintilla(SCI_LINEFROMPOSITION, SendScintilla(SCI_GETCURRENTPOS));
}

long TAdvMemo::CursorColumn() const {
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    return caret - SendScintilla(SCI_POSITIONFROMLINE, SendScintilla(SCI_LINEFROMPOSITION, caret));
}

long TAdvMemo::LineCount() const {
    if (holdsNoLines_ && SendScintilla(SCI_GETLENGTH) == 0) return 0;
    return SendScintilla(SCI_GETLINECOUNT);
}

std::string TAdvMemo::LineBytes(long line) const {
    if (line < 0 || line >= SendScintilla(SCI_GETLINECOUNT)) return {};
    const long start = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long end = SendScintilla(SCI_GETLINEENDPOSITION, line);
    std::string bytes(static_cast<std::size_t>(end - start) + 1, '\0');
    SendScintilla(SCI_GETTEXTRANGE, start, end, bytes.data());
    bytes.pop_back();
    return bytes;
}

std::string TAdvMemo::TextBytes() const {
    const long length = SendScintilla(SCI_GETLENGTH);
    const char* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return std::string(text, static_cast<std::size_t>(length));
}

void TAdvMemo::NotifyIfCursorMoved() {
    const long line = CursorLine();
    const long column = CursorColumn();
    if (line == reportedLine_ && column == reportedColumn_) return;
    reportedLine_ = line;
    reportedColumn_ = column;
    reportedLineCount_ = LineCount();
    emit CursorChange();
}

void TAdvMemo::LoadFromFile(const std::string& path) {
    SendScintilla(SCI_AUTOCCANCEL);
    SendScintilla(SCI_CALLTIPCANCEL);
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS)));
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    undo_.Clear();
    SendScintilla(SCI_GOTOPOS, 0UL);
    selectionCleared_ = false;
    // The reset is reported while the old lines are still shown.
    NotifyIfCursorMoved();

    std::string content;
    try {
        ReadWholeFile(path, content);
    } catch (const std::system_error& error) {
        throw std::runtime_error("Cannot open file \"" + path + "\". " + error.code().message());
    }
    ReplaceText(content);
}

void TAdvMemo::ReplaceText(std::string_view fileBytes) {
    // The old text and the new one are no undo step, and recording a copy of a large file
    // in the undo history would double its memory.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    // No change notifications while the text is replaced: each one copies the changed
    // text, converts it to UTF-16 and counts the characters before it, which makes
    // loading a large file in pieces take time that grows with the square of its size.
    const long eventMask = SendScintilla(SCI_GETMODEVENTMASK);
    SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    SendScintilla(SCI_CLEARALL);
    // Room for the whole text at once, instead of growing it piece by piece.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(fileBytes.size() + 1));
    const std::size_t lineCount = WriteViewerText(fileBytes, [this](std::string_view piece) {
        SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(piece.size()), piece.data());
    });
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(eventMask));
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    undo_.Clear();
    SendScintilla(SCI_SETSAVEPOINT);
    SendScintilla(SCI_SETEMPTYSELECTION, 0UL);
    SendScintilla(SCI_SETXOFFSET, 0UL);
    holdsNoLines_ = lineCount == 0;
    NotifyIfCursorMoved();
    // The cursor stays at the start, so nothing above reported the new line count.
    if (LineCount() != reportedLineCount_) {
        reportedLineCount_ = LineCount();
        emit CursorChange();
    }
}

long TAdvMemo::FindTextFromCursor(const QString& text, int options) {
    Q_UNUSED(options);  // forward and find-next search alike
    if (text.isEmpty()) return -1;
    const FoldedPattern pattern(BytesFromText(text));

    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long anchor = SendScintilla(SCI_GETANCHOR);
    long selectionStart = std::min(caret, anchor);
    long selectionEnd = std::max(caret, anchor);
    if (selectionCleared_ && caret == clearedCaret_ && anchor == clearedAnchor_) selectionStart = selectionEnd = 0;

    // Start after the selection when it lies on the cursor's line, else at that line's start.
    const long line = SendScintilla(SCI_LINEFROMPOSITION, caret);
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    long from = lineStart;
    if (SendScintilla(SCI_LINEFROMPOSITION, selectionStart) == line &&
        SendScintilla(SCI_LINEFROMPOSITION, selectionEnd) == line) {
        const long endColumn = selectionEnd - lineStart;
        const long lineLength = SendScintilla(SCI_GETLINEENDPOSITION, line) - lineStart;
        if (lineLength > endColumn)
            from = lineStart + endColumn;
        else
            from = line + 1 < SendScintilla(SCI_GETLINECOUNT) ? SendScintilla(SCI_POSITIONFROMLINE, line + 1) : -1;
    }

    std::size_t found = std::string_view::npos;
    if (from >= 0 && !pattern.MatchesNothing()) {
        const char* document = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
        const std::string_view view(document, static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH)));
        found = FindAtCharacterStart(pattern, view, static_cast<std::size_t>(from));
    }
    if (found == std::string_view::npos) {
        SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(caret));
        selectionCleared_ = true;
        clearedCaret_ = clearedAnchor_ = caret;
        return -1;
    }
    const long start = static_cast<long>(found);
    SelectMatch(start, start + static_cast<long>(pattern.Size()));
    NotifyIfCursorMoved();
    return start;
}

// Selects [start, end) with the cursor at the start, bringing the match into view: a
// match outside the shown lines is brought to the middle of the view.
void TAdvMemo::SelectMatch(long start, long end) {
    const long line = SendScintilla(SCI_LINEFROMPOSITION, start);
    const long first = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long shown = std::max(1L, SendScintilla(SCI_LINESONSCREEN));
    // No wrapping and no folding: a document line is one line of the view.
    if (line < first || line >= first + shown)
        SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(std::max(0L, line - shown / 2)));
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(end), start);
    SendScintilla(SCI_SCROLLRANGE, static_cast<unsigned long>(end), start);
    selectionCleared_ = false;
}

void TAdvMemo::SetSyntaxStyles(TAdvCustomMemoStyler* style) {
    if (style == styleKey_ && style == style_.data()) return;
    style_ = style;
    styleKey_ = style;
    if (style) connect(style, &QObject::destroyed, this, &TAdvMemo::OnStyleDestroyed, Qt::UniqueConnection);
    setLexer(style ? lexers_->LexerFor(*style) : nullptr);
    ApplyLook();
}

void TAdvMemo::OnStyleDestroyed(QObject* style) {
    if (style == styleKey_) {
        style_ = nullptr;
        styleKey_ = nullptr;
        setLexer(nullptr);
        ApplyLook();
    }
    lexers_->Forget(style);
}

// A lexer change asks for the whole text to be coloured at once; marking it unstyled
// instead lets the editor colour only what it shows.
void TAdvMemo::recolor(int start, int end) {
    if (start == 0 && end == -1) {
        SendScintilla(SCI_STARTSTYLING, 0UL);
        viewport()->update();
        return;
    }
    QsciScintilla::recolor(start, end);
}

}  // namespace fif
