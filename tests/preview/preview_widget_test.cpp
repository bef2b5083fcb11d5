// The preview pane on the offscreen platform: the viewer loaded from fixture files made
// here, the pane's handlers, the find, the cursor status and the lexer's colours.
#include "results/adv_memo.h"
#include "results/memo_lexer.h"
#include "results/memo_lexer_rules.h"
#include "results/preview_pane.h"
#include "results/style_catalogue.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <cerrno>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

using namespace fif;

namespace {

// A window as the program lays the pane out: a search box that holds the focus first, the
// find-next box, and the viewer; status panel 2 is a string.
struct TPreviewWindow {
    TPreviewWindow() {
        auto* layout = new QVBoxLayout(&window);
        searchEdit = new QLineEdit(&window);
        findNextEdit = new QLineEdit(&window);
        memo = new TAdvMemo(&window);
        layout->addWidget(searchEdit);
        layout->addWidget(findNextEdit);
        layout->addWidget(memo, 1);
        pane = std::make_unique<TPreviewPane>(
            memo, findNextEdit, [this](std::string_view extension) { return LookUp(extension); },
            [this](const QString& text) { status = text; });
        QObject::connect(memo, &TAdvMemo::CursorChange, [this] { pane->CursorChanged(); });
        window.resize(640, 320);
    }

    TAdvCustomMemoStyler* LookUp(std::string_view extension) {
        lookedUp.emplace_back(extension);
        return extension == ".pas" ? pascal : nullptr;
    }

    bool Show() {
        window.show();
        window.activateWindow();
        searchEdit->setFocus();
        return QTest::qWaitForWindowActive(&window);
    }

    long Send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
        return memo->SendScintilla(message, wParam, lParam);
    }
    long Anchor() const { return Send(QsciScintillaBase::SCI_GETANCHOR); }
    long Caret() const { return Send(QsciScintillaBase::SCI_GETCURRENTPOS); }
    bool HasSelection() const { return Anchor() != Caret(); }
    std::string Selected() const {
        const long from = std::min(Anchor(), Caret()), to = std::max(Anchor(), Caret());
        return memo->TextBytes().substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    }

    QWidget window;
    QLineEdit* searchEdit;
    QLineEdit* findNextEdit;
    TAdvMemo* memo;
    std::unique_ptr<TPreviewPane> pane;
    QString status;
    TAdvCustomMemoStyler* pascal = nullptr;
    std::vector<std::string> lookedUp;
};

}  // namespace

class PreviewWidgetTest : public QObject {
    Q_OBJECT

private:
    // Writes `bytes` into the fixture folder; returns the folder path with its slash.
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_->filePath(QString::fromStdString(name)).toStdString(), std::ios::binary) << bytes;
        return Folder();
    }
    std::string Folder() const { return dir_->path().toStdString() + "/"; }

    // A file of `lines` lines where line `hitLine` (from 1) holds "needle" at `hitColumn` (from 1).
    static std::string Lines(int lines, int hitLine, int hitColumn, const std::string& hit = "needle") {
        std::string text;
        for (int line = 1; line <= lines; ++line) {
            if (line == hitLine)
                text += std::string(static_cast<std::size_t>(hitColumn - 1), 'x') + hit + " tail";
            else
                text += "line " + std::to_string(line);
            text += "\n";
        }
        return text;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TPreviewWindow> view_;

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        view_ = std::make_unique<TPreviewWindow>();
    }

    void cleanup() {
        view_.reset();
        dir_.reset();
    }

    void startsWithOneEmptyLineAndTheLayoutSettings() {
        TAdvMemo& memo = *view_->memo;
        QCOMPARE(memo.LineCount(), 1L);
        QCOMPARE(memo.LineBytes(0), std::string());
        QCOMPARE(memo.CursorLine(), 0L);
        QCOMPARE(memo.CursorColumn(), 0L);
        QVERIFY(view_->status.isEmpty());
        QVERIFY(memo.SyntaxStyles() == nullptr);
        QCOMPARE(memo.wrapMode(), QsciScintilla::WrapNone);
        QCOMPARE(memo.tabWidth(), 4);
        QCOMPARE(memo.edgeMode(), QsciScintilla::EdgeLine);
        QCOMPARE(memo.edgeColumn(), 80);
        QCOMPARE(memo.edgeColor(), QColor(226, 226, 226));
        QVERIFY(!memo.isReadOnly());
        QCOMPARE(memo.UndoLimit(), 100);
        QCOMPARE(memo.frameShape(), QFrame::Box);
        QCOMPARE(memo.lineWidth(), 1);
        QVERIFY(!view_->Send(QsciScintillaBase::SCI_GETCARETLINEVISIBLE));
        QCOMPARE(view_->Send(QsciScintillaBase::SCI_GETMARGINTYPEN, 0), long(QsciScintillaBase::SC_MARGIN_NUMBER));
        const long fiveDigits = memo.SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH,
                                                   static_cast<uintptr_t>(QsciScintillaBase::STYLE_LINENUMBER), "00000");
        QVERIFY(memo.marginWidth(0) >= fiveDigits);
        char family[64] = {};
        memo.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, 0UL, static_cast<void*>(family));
        QCOMPARE(QString::fromLatin1(family), QStringLiteral("Liberation Mono"));
        memo.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, static_cast<unsigned long>(QsciScintillaBase::STYLE_LINENUMBER),
                           static_cast<void*>(family));
        QCOMPARE(QString::fromLatin1(family), QStringLiteral("Liberation Sans"));
        QCOMPARE(view_->Send(QsciScintillaBase::SCI_STYLEGETFORE, 0), 0L);  // black
    }

    void firstOccurrenceSelectedInViewWithFocusAndStatus() {
        QVERIFY(view_->Show());
        const std::string folder = Write("hit.txt", Lines(50, 40, 9));
        view_->pane->ShowRecord("hit.txt", folder, QStringLiteral("needle"));

        QCOMPARE(view_->findNextEdit->text(), QStringLiteral("needle"));
        QCOMPARE(view_->status, QStringLiteral("40 / 50 - 9"));
        QCOMPARE(view_->memo->CursorLine(), 39L);
        QCOMPARE(view_->memo->CursorColumn(), 8L);
        QCOMPARE(view_->Selected(), std::string("needle"));
        QVERIFY(view_->Caret() < view_->Anchor());  // the cursor stands at the match's start
        QTRY_VERIFY_WITH_TIMEOUT(view_->memo->hasFocus(), 10000);
        const long first = view_->Send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
        const long shown = view_->Send(QsciScintillaBase::SCI_LINESONSCREEN);
        QVERIFY2(first <= 39 && 39 < first + shown, "line 40 is in view");
    }

    void selectionIsDrawnOnlyWhileTheViewerHasTheFocus() {
        QVERIFY(view_->Show());
        const std::string folder = Write("sel.txt", "some needle here\n");
        view_->pane->ShowRecord("sel.txt", folder, QStringLiteral("needle"));
        QTRY_VERIFY(view_->memo->hasFocus());
        const auto navyPixels = [this] {
            const QImage image = view_->memo->viewport()->grab().toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == QColor(0, 0, 128)) ++count;
            return count;
        };
        QVERIFY(navyPixels() > 0);
        view_->searchEdit->setFocus();
        QTRY_VERIFY(view_->searchEdit->hasFocus());
        QCOMPARE(navyPixels(), 0);
        QVERIFY(view_->HasSelection());  // still selected, only not drawn
    }

    void findNextOnTheSameLineThenLaterThenNone() {
        QVERIFY(view_->Show());
        const std::string folder = Write("next.txt", "a\nfoo and foo\nb\nc foo\nd\n");
        view_->pane->ShowRecord("next.txt", folder, QStringLiteral("foo"));
        QCOMPARE(view_->status, QStringLiteral("2 / 5 - 1"));

        view_->pane->FindNext();
        QCOMPARE(view_->status, QStringLiteral("2 / 5 - 9"));
        QCOMPARE(view_->Selected(), std::string("foo"));
        view_->pane->FindNext();
        QCOMPARE(view_->status, QStringLiteral("4 / 5 - 3"));
        QCOMPARE(view_->Selected(), std::string("foo"));

        // No occurrence below: the selection goes, the cursor and the status stay.
        view_->searchEdit->setFocus();
        QTRY_VERIFY(view_->searchEdit->hasFocus());
        QSignalSpy moves(view_->memo, &TAdvMemo::CursorChange);
        view_->pane->FindNext();
        QVERIFY(!view_->HasSelection());
        QCOMPARE(view_->memo->CursorLine(), 3L);
        QCOMPARE(view_->memo->CursorColumn(), 2L);
        QCOMPARE(view_->status, QStringLiteral("4 / 5 - 3"));
        QCOMPARE(moves.count(), 0);
        QVERIFY(view_->searchEdit->hasFocus());
    }

    void afterAFailedFindTheNextStartsAtTheCursorsLineStart() {
        // The failed find put the selection at line 0, column 0, away from the cursor's
        // line, so the next find searches that whole line again.
        const std::string folder = Write("again.txt", "x\nfoo foo\n");
        view_->pane->ShowRecord("again.txt", folder, QStringLiteral("foo"));
        view_->pane->FindNext();
        QCOMPARE(view_->status, QStringLiteral("2 / 2 - 5"));
        view_->pane->FindNext();
        QVERIFY(!view_->HasSelection());
        QCOMPARE(view_->status, QStringLiteral("2 / 2 - 5"));
        view_->pane->FindNext();
        QCOMPARE(view_->status, QStringLiteral("2 / 2 - 1"));
        QCOMPARE(view_->Selected(), std::string("foo"));
    }

    void findFoldsAsciiCaseOnly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("statuses");  // one per find, "" for none
        QTest::newRow("ascii letters fold") << QStringLiteral("hello") << QStringLiteral("1 / 2 - 1|1 / 2 - 7|1 / 2 - 13|");
        QTest::newRow("capitals fold too") << QStringLiteral("HELLO") << QStringLiteral("1 / 2 - 1|1 / 2 - 7|1 / 2 - 13|");
        QTest::newRow("non-ascii byte for byte") << QStringLiteral("äpfel") << QStringLiteral("2 / 2 - 8|");
        QTest::newRow("non-ascii capital") << QStringLiteral("ÄPFEL") << QStringLiteral("2 / 2 - 1|");
    }

    void findFoldsAsciiCaseOnly() {
        QFETCH(QString, text);
        QFETCH(QString, statuses);
        const std::string folder = Write("case.txt", "Hello HELLO hello\n\xC3\x84PFEL \xC3\xA4pfel\n");
        view_->pane->ShowRecord("case.txt", folder, text);
        QStringList seen;
        for (const QString& expected : statuses.split('|')) {
            Q_UNUSED(expected);
            seen << (view_->HasSelection() ? view_->status : QString());
            view_->pane->FindNext();
        }
        QCOMPARE(seen.join('|'), statuses);
    }

    void tabBeforeTheMatchCountsFourColumns() {
        const std::string folder = Write("tab.txt", "\tfoo\n");
        view_->pane->ShowRecord("tab.txt", folder, QStringLiteral("foo"));
        QCOMPARE(view_->status, QStringLiteral("1 / 1 - 5"));
        QCOMPARE(view_->memo->LineBytes(0), std::string("    foo"));
    }

    void extensionPicksTheStyleAndTxtShowsPlain() {
        auto owner = std::make_unique<QObject>();
        view_->pascal = CreateStyleCatalogue(owner.get())[0];
        const std::string folder = Write("a.b.pas", "begin end;\n");
        Write("notes.txt", "begin end;\n");
        view_->pane->ShowRecord("a.b.pas", folder, QString());
        QCOMPARE(view_->lookedUp.back(), std::string(".pas"));
        QVERIFY(view_->memo->SyntaxStyles() == view_->pascal);
        QVERIFY(view_->memo->lexer() != nullptr);

        view_->pane->ShowRecord("notes.txt", folder, QString());
        QCOMPARE(view_->lookedUp.back(), std::string(".txt"));
        QVERIFY(view_->memo->SyntaxStyles() == nullptr);
        QVERIFY(view_->memo->lexer() == nullptr);
        view_->memo->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
        for (long pos = 0; pos < view_->Send(QsciScintillaBase::SCI_GETLENGTH); ++pos)
            QCOMPARE(view_->Send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos)), 0L);
        QCOMPARE(view_->Send(QsciScintillaBase::SCI_STYLEGETFORE, 0), 0L);
    }

    void emptySearchTextSelectsNothing() {
        const std::string folder = Write("some.txt", "abc\nabc\n");
        view_->pane->ShowRecord("some.txt", folder, QString());
        QCOMPARE(view_->status, QStringLiteral("1 / 2 - 1"));
        QCOMPARE(view_->memo->FindTextFromCursor(QString(), TAdvMemo::kFindForward), -1L);
        QVERIFY(!view_->HasSelection());
        QCOMPARE(view_->Caret(), 0L);
    }

    void clickOnTheMatchLineMakesFindNextStartThere() {
        QVERIFY(view_->Show());
        const std::string folder = Write("click.txt", "foo bar foo baz foo\n");
        view_->pane->ShowRecord("click.txt", folder, QStringLiteral("foo"));
        QCOMPARE(view_->status, QStringLiteral("1 / 1 - 1"));
        // A click at column 9, inside the second foo: find-next starts there, so it finds
        // the third one; starting after the old selection would find the second.
        const long x = view_->Send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, 9);
        const long y = view_->Send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, 9);
        QTest::mouseClick(view_->memo->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(int(x) + 1, int(y) + 3));
        QTRY_COMPARE(view_->status, QStringLiteral("1 / 1 - 10"));
        QVERIFY(!view_->HasSelection());
        view_->pane->FindNext();
        QCOMPARE(view_->status, QStringLiteral("1 / 1 - 17"));
    }

    void selectionOverSeveralLinesSearchesFromTheCursorsLineStart() {
        const std::string folder = Write("multi.txt", "foo\nfoo x foo\n");
        view_->pane->ShowRecord("multi.txt", folder, QStringLiteral("foo"));
        // Select from line 1 column 9 back to line 0 column 1: the cursor stands on line 0.
        view_->memo->SendScintilla(QsciScintillaBase::SCI_SETSEL, 13UL, 1L);
        view_->pane->FindNext();
        QCOMPARE(view_->status, QStringLiteral("1 / 2 - 1"));
    }

    void findDoesNotWrapAndLongLinesDoNotWrap() {
        const std::string longLine(5000, 'y');
        const std::string folder = Write("wrap.txt", "foo\n" + longLine + "\nbar\n");
        view_->pane->ShowRecord("wrap.txt", folder, QStringLiteral("bar"));
        QCOMPARE(view_->status, QStringLiteral("3 / 3 - 1"));
        view_->findNextEdit->setText(QStringLiteral("foo"));
        view_->pane->FindNext();
        QVERIFY(!view_->HasSelection());
        QCOMPARE(view_->memo->CursorLine(), 2L);
        QCOMPARE(view_->Send(QsciScintillaBase::SCI_WRAPCOUNT, 1), 1L);
        QCOMPARE(view_->memo->wrapMode(), QsciScintilla::WrapNone);
    }

    void openFailureReportsAndKeepsTheOldLines() {
        QVERIFY(view_->Show());
        auto owner = std::make_unique<QObject>();
        view_->pascal = CreateStyleCatalogue(owner.get())[0];
        const std::string folder = Write("old.txt", "one\ntwo needle\n");
        view_->pane->ShowRecord("old.txt", folder, QStringLiteral("needle"));
        QCOMPARE(view_->status, QStringLiteral("2 / 2 - 5"));
        view_->memo->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "typed ");
        QVERIFY(view_->memo->CanUndoStep());
        view_->searchEdit->setFocus();
        QTRY_VERIFY(view_->searchEdit->hasFocus());

        const std::string missing = folder + "gone.pas";
        try {
            view_->pane->ShowRecord("gone.pas", folder, QStringLiteral("two"));
            QFAIL("no failure reported");
        } catch (const std::runtime_error& error) {
            const std::string expected =
                "Cannot open file \"" + missing + "\". " + std::generic_category().message(ENOENT);
            QCOMPARE(std::string(error.what()), expected);
        }
        QCOMPARE(view_->findNextEdit->text(), QStringLiteral("two"));
        QVERIFY(view_->memo->SyntaxStyles() == view_->pascal);
        QCOMPARE(view_->memo->LineBytes(0), std::string("typed one"));
        QCOMPARE(view_->memo->LineCount(), 2L);
        QCOMPARE(view_->Caret(), 0L);
        QVERIFY(!view_->HasSelection());
        QVERIFY(!view_->memo->CanUndoStep());
        QCOMPARE(view_->status, QStringLiteral("1 / 2 - 1"));
        QVERIFY(view_->searchEdit->hasFocus());
    }

    void linesFollowTheSearchRules_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("status");
        QTest::newRow("cr lf crlf") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"}
                                    << QStringLiteral("1 / 4 - 1");
        QTest::newRow("final line end") << QByteArray("a\n") << QStringList{"a"} << QStringLiteral("1 / 1 - 1");
        QTest::newRow("empty file") << QByteArray() << QStringList{""} << QStringLiteral("1 / 0 - 1");
        QTest::newRow("after nul") << QByteArray("ab\0cd\nef", 8) << QStringList{"ab"} << QStringLiteral("1 / 1 - 1");
    }

    void linesFollowTheSearchRules() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(QString, status);
        Write("before.txt", "x\ny\nz\nw\nv\nu\n");
        const std::string folder = Write("rules.txt", bytes.toStdString());
        view_->pane->ShowRecord("before.txt", folder, QString());
        view_->pane->ShowRecord("rules.txt", folder, QString());
        QStringList held;
        for (long line = 0; line < view_->Send(QsciScintillaBase::SCI_GETLINECOUNT); ++line)
            held << QString::fromStdString(view_->memo->LineBytes(line));
        QCOMPARE(held, lines);
        QCOMPARE(view_->status, status);
    }

    void invalidUtf8KeepsEveryByteAndItsColumn() {
        const std::string line = "caf\xE9 bar\xFF baz";
        const std::string folder = Write("latin.txt", line + "\n");
        view_->pane->ShowRecord("latin.txt", folder, QStringLiteral("baz"));
        QCOMPARE(view_->memo->LineBytes(0), line);
        QCOMPARE(view_->status, QStringLiteral("1 / 1 - 11"));  // c a f E9 space b a r FF space
        // Each stray byte is a character of its own that takes room on the screen.
        QCOMPARE(view_->Send(QsciScintillaBase::SCI_POSITIONAFTER, 3), 4L);
        QVERIFY(view_->Send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, 4) >
                view_->Send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, 3));
        view_->findNextEdit->setText(QStringLiteral("bar"));
        view_->memo->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
        view_->pane->FindNext();
        QCOMPARE(view_->status, QStringLiteral("1 / 1 - 6"));
    }

    void pascalStyleColoursInTheCataloguesColours() {
        QVERIFY(view_->Show());
        auto owner = std::make_unique<QObject>();
        const TStyleCatalogue catalogue = CreateStyleCatalogue(owner.get());
        view_->pascal = catalogue[0];
        QCOMPARE(QString::fromStdString(view_->pascal->Description), QStringLiteral("Pascal"));
        const std::string text =
            "BEGIN\n"
            "  { a comment\n"
            "    over lines }\n"
            "  s := 'text'; n := 42; h := $FF;\n"
            "end.\n";
        const std::string folder = Write("unit.pas", text);
        view_->pane->ShowRecord("unit.pas", folder, QString());
        TAdvMemo& memo = *view_->memo;
        const long length = view_->Send(QsciScintillaBase::SCI_GETLENGTH);
        QTRY_VERIFY_WITH_TIMEOUT(view_->Send(QsciScintillaBase::SCI_GETENDSTYLED) >= length, 10000);
        QsciLexer* lexer = memo.lexer();
        QVERIFY(lexer != nullptr);
        const auto styleOf = [&](const std::string& needle, std::size_t skip = 0) {
            const std::size_t at = text.find(needle) + skip;
            return int(view_->Send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(at)));
        };
        const int keyword = styleOf("BEGIN");
        QCOMPARE(lexer->color(keyword), QColor(0, 128, 0));  // clGreen
        QVERIFY(lexer->font(keyword).bold());
        QCOMPARE(styleOf("end."), keyword);  // keywords ignore case
        const int comment = styleOf("a comment");
        QCOMPARE(comment, kCommentStyle);
        QCOMPARE(styleOf("over lines"), comment);  // carried to the next line
        QCOMPARE(lexer->color(comment), QColor(0, 0, 128));  // clNavy
        QVERIFY(lexer->font(comment).italic());
        const int string = styleOf("'text'", 1);
        QCOMPARE(styleOf("'text'"), string);
        QCOMPARE(lexer->color(string), QColor(0, 0, 255));  // clBlue
        const int number = styleOf("42");
        QCOMPARE(number, kNumberStyle);
        QCOMPARE(styleOf("$FF"), number);
        QCOMPARE(lexer->color(number), QColor(255, 0, 255));  // clFuchsia
        QVERIFY(lexer->font(number).bold());
        QCOMPARE(lexer->color(styleOf(":=")), QColor(255, 0, 0));  // clRed symbols
        // The editor took the lexer's colours.
        QCOMPARE(QColor(QRgb(view_->Send(QsciScintillaBase::SCI_STYLEGETFORE, static_cast<unsigned long>(keyword)))),
                 QColor(0, 128, 0));
        QCOMPARE(view_->Send(QsciScintillaBase::SCI_STYLEGETITALIC, static_cast<unsigned long>(comment)), 1L);
    }

    void webAddressesAreBlueUnderlinedOnWhite() {
        auto owner = std::make_unique<QObject>();
        view_->pascal = CreateStyleCatalogue(owner.get())[0];
        const std::string folder = Write("url.pas", "// see https://example.org/x\n");
        view_->pane->ShowRecord("url.pas", folder, QString());
        view_->memo->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
        const int style = int(view_->Send(QsciScintillaBase::SCI_GETSTYLEAT, 10));
        QCOMPARE(style, kUrlStyle);
        QCOMPARE(view_->memo->lexer()->color(style), QColor(0, 0, 255));
        QCOMPARE(view_->memo->lexer()->paper(style), QColor(255, 255, 255));
        QVERIFY(view_->memo->lexer()->font(style).underline());
    }

    void choosingAStyleLeavesALargeTextUncolouredUntilShown() {
        std::string text;
        for (int line = 0; line < 20000; ++line) text += "begin x := 1; end;\n";
        const std::string folder = Write("big.txt", text);
        view_->pane->ShowRecord("big.txt", folder, QString());
        auto owner = std::make_unique<QObject>();
        view_->memo->SetSyntaxStyles(CreateStyleCatalogue(owner.get())[0]);
        QVERIFY(view_->Send(QsciScintillaBase::SCI_GETENDSTYLED) < view_->Send(QsciScintillaBase::SCI_GETLENGTH) / 2);
        view_->memo->SetSyntaxStyles(nullptr);
    }

    void styleDestroyedWhileShownTurnsPlain() {
        auto owner = std::make_unique<QObject>();
        view_->pascal = CreateStyleCatalogue(owner.get())[0];
        const std::string folder = Write("gone.pas", "begin end;\n");
        view_->pane->ShowRecord("gone.pas", folder, QString());
        QVERIFY(view_->memo->lexer() != nullptr);
        owner.reset();
        view_->pascal = nullptr;
        QVERIFY(view_->memo->SyntaxStyles() == nullptr);
        QVERIFY(view_->memo->lexer() == nullptr);
        view_->memo->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
        QCOMPARE(view_->Send(QsciScintillaBase::SCI_GETSTYLEAT, 0), 0L);
    }

    void cursorChangeOnlyWhenLineOrColumnChanges() {
        QVERIFY(view_->Show());
        const std::string folder = Write("moves.txt", "abc\ndef\n");
        view_->pane->ShowRecord("moves.txt", folder, QString());
        view_->memo->setFocus();
        QTRY_VERIFY(view_->memo->hasFocus());
        QSignalSpy moves(view_->memo, &TAdvMemo::CursorChange);
        QTest::keyClick(view_->memo, Qt::Key_Right);
        QTRY_COMPARE(moves.count(), 1);
        QCOMPARE(view_->status, QStringLiteral("1 / 2 - 2"));
        QTest::keyClick(view_->memo, Qt::Key_Down);
        QTRY_COMPARE(moves.count(), 2);
        QCOMPARE(view_->status, QStringLiteral("2 / 2 - 2"));
        // Selecting back to the same place and choosing a style move nothing.
        view_->memo->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0UL, view_->Caret());
        view_->memo->SetSyntaxStyles(nullptr);
        QTest::qWait(50);
        QCOMPARE(moves.count(), 2);
    }

    void undoReachesBackAHundredStepsAtMost() {
        QVERIFY(view_->Show());
        const std::string folder = Write("undo.txt", "x\n");
        view_->pane->ShowRecord("undo.txt", folder, QString());
        // Inserts at the start never merge into one step.
        for (int step = 0; step < 105; ++step) view_->memo->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "a");
        for (int i = 0; i < 60; ++i) view_->memo->undo();
        view_->memo->setFocus();
        QTRY_VERIFY(view_->memo->hasFocus());
        for (int i = 0; i < 60; ++i) QTest::keyClick(view_->memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view_->memo->LineBytes(0), std::string(5, 'a') + "x");
        QVERIFY(!view_->memo->CanUndoStep());
        QTest::keyClick(view_->memo, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(view_->memo->LineBytes(0), std::string(6, 'a') + "x");
    }

    void viewerNeverWritesTheFile() {
        QVERIFY(view_->Show());
        const std::string bytes = "keep\tme\r\nas I am\n";
        const std::string folder = Write("keep.txt", bytes);
        const QString path = dir_->filePath(QStringLiteral("keep.txt"));
        const QDateTime written = QFileInfo(path).lastModified();
        view_->pane->ShowRecord("keep.txt", folder, QStringLiteral("me"));
        QTRY_VERIFY(view_->memo->hasFocus());
        QTest::keyClicks(view_->memo, QStringLiteral("edited"));
        QTest::keyClick(view_->memo, Qt::Key_Return);
        QTRY_VERIFY(view_->memo->LineBytes(0).find("edited") != std::string::npos);
        view_->pane->ShowRecord("keep.txt", folder, QStringLiteral("me"));
        QCOMPARE(view_->memo->LineBytes(0), std::string("keep    me"));

        std::ifstream in(path.toStdString(), std::ios::binary);
        const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QCOMPARE(after, bytes);
        QCOMPARE(QFileInfo(path).lastModified(), written);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.txt"});
    }
};

QTEST_MAIN(PreviewWidgetTest)
#include "preview_widget_test.moc"
