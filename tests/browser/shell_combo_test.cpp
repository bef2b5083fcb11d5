// The path combo: what it shows, its drop-down outline, and typed paths that name no folder.
#include "browser/shell_combo_delegate.h"
#include "browser/shell_namespace.h"

#include "browser_fixture.h"
#include "browser_window.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using fif::TShellComboDelegate;
using fif::TShellPlace;
using fif::testing_support::BytesOf;
using fif::testing_support::kWaitMs;
using fif::testing_support::TBrowserFixture;
using fif::testing_support::TBrowserWindow;

class ShellComboTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheDesktopPathInItsFont();
    void dropDownOffersTopNodesAndAncestors();
    void computerShowsItsName();
    void typedTextThatNamesNoFolderChangesNothing_data();
    void typedTextThatNamesNoFolderChangesNothing();
    void escapeGivesUpTypedText();

private:
    void Type(const QString& text);

    std::unique_ptr<TBrowserFixture> fixture_;
    std::unique_ptr<TBrowserWindow> browser_;
};

void ShellComboTest::init() {
    fixture_ = std::make_unique<TBrowserFixture>();
    fixture_->Folder("home/Desktop/work/src");
    fixture_->File("home/Desktop/work/readme.txt");
    browser_ = std::make_unique<TBrowserWindow>();
}

void ShellComboTest::cleanup() {
    browser_.reset();
    fixture_.reset();
}

void ShellComboTest::Type(const QString& text) {
    QLineEdit* edit = browser_->combo->lineEdit();
    edit->setFocus();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void ShellComboTest::showsTheDesktopPathInItsFont() {
    fif::TJamShellCombo* combo = browser_->combo;
    QCOMPARE(combo->currentText(), QString::fromUtf8(fixture_->Desktop()));
    QCOMPARE(combo->font().family(), QStringLiteral("NanumGothic"));
    QCOMPARE(combo->font().pixelSize(), 12);
    QStyleOptionViewItem option;
    option.initFrom(combo->view());
    QCOMPARE(combo->itemDelegate()->sizeHint(option, combo->model()->index(0, 0)).height(), 16);
}

void ShellComboTest::dropDownOffersTopNodesAndAncestors() {
    fif::TJamShellCombo* combo = browser_->combo;
    Type(QString::fromUtf8(fixture_->Path("home/Desktop/work/src")));
    QTRY_COMPARE_WITH_TIMEOUT(BytesOf(browser_->tree->SelectedFolder()), fixture_->Path("home/Desktop/work/src"), kWaitMs);

    QStringList names;
    QList<int> depths;
    for (int row = 0; row < combo->count(); ++row) {
        names << combo->itemText(row);
        depths << combo->itemData(row, TShellComboDelegate::kDepthRole).toInt();
    }
    QCOMPARE(names.first(), fif::TShellNamespace::DesktopName());
    QCOMPARE(names.at(1), fif::TShellNamespace::ComputerName());
    QCOMPARE(names.at(2), QStringLiteral("/"));
    QCOMPARE(depths.mid(0, 3), (QList<int>{0, 1, 2}));
    // The desktop's sub-folders come after the home node, as in the tree.
    const int home = names.indexOf(fif::TShellNamespace::HomeName());
    QVERIFY(home > 2);
    QCOMPARE(names.mid(home), (QStringList{fif::TShellNamespace::HomeName(), "work", "src"}));
    QCOMPARE(depths.mid(home), (QList<int>{1, 1, 2}));
    QCOMPARE(combo->currentIndex(), combo->count() - 1);
    QCOMPARE(combo->itemData(combo->count() - 1).value<TShellPlace>(),
             TShellPlace::Folder(fixture_->Path("home/Desktop/work/src")));
}

void ShellComboTest::computerShowsItsName() {
    browser_->link->Navigate(TShellPlace::Computer());
    QCOMPARE(browser_->combo->currentText(), fif::TShellNamespace::ComputerName());
    Type(fif::TShellNamespace::DesktopName());
    QCOMPARE(browser_->combo->currentText(), QString::fromUtf8(fixture_->Desktop()));
    QCOMPARE(browser_->link->Current(), TShellPlace::Desktop(fixture_->Desktop()));
}

void ShellComboTest::typedTextThatNamesNoFolderChangesNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");  // the start of what the user is told
    QTest::newRow("a path that does not exist") << QStringLiteral("/no/such/folder") << QStringLiteral("폴더를 찾을 수 없습니다");
    QTest::newRow("a relative one") << QStringLiteral("nothing-here") << QStringLiteral("폴더를 찾을 수 없습니다");
    QTest::newRow("a file") << QStringLiteral("readme.txt") << QStringLiteral("폴더가 아닙니다");
    QTest::newRow("a name below a file") << QStringLiteral("readme.txt/x") << QStringLiteral("폴더를 찾을 수 없습니다");
}

void ShellComboTest::typedTextThatNamesNoFolderChangesNothing() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const QByteArray work = fixture_->Path("home/Desktop/work");
    Type(QString::fromUtf8(work));
    QTRY_COMPARE_WITH_TIMEOUT(BytesOf(browser_->tree->SelectedFolder()), work, kWaitMs);
    QSignalSpy rejected(browser_->combo, &fif::TJamShellCombo::PathRejected);
    QSignalSpy moved(browser_->link, &fif::TJamShellLink::FolderChanged);

    Type(typed);

    QCOMPARE(rejected.count(), 1);
    QVERIFY2(rejected.first().first().toString().startsWith(message), qPrintable(rejected.first().first().toString()));
    QCOMPARE(moved.count(), 0);
    QCOMPARE(browser_->link->Current().path, work);
    QCOMPARE(browser_->combo->Place().path, work);
    QCOMPARE(browser_->list->Place().path, work);
    QCOMPARE(BytesOf(browser_->tree->SelectedFolder()), work);
    // What was typed stays, to be mended.
    QCOMPARE(browser_->combo->currentText(), typed);
}

void ShellComboTest::escapeGivesUpTypedText() {
    QLineEdit* edit = browser_->combo->lineEdit();
    edit->setFocus();
    edit->setText(QStringLiteral("/half-typed"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(browser_->combo->currentText(), QString::fromUtf8(fixture_->Desktop()));
}

QTEST_MAIN(ShellComboTest)
#include "shell_combo_test.moc"
