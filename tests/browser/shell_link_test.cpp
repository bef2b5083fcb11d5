// The link keeps the tree, the list and the combo on one folder, whichever of them moves.
#include "browser/shell_namespace.h"
#include "browser/shell_tree_model.h"

#include "browser_fixture.h"
#include "browser_window.h"

#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using fif::TShellPlace;
using fif::testing_support::BytesOf;
using fif::testing_support::kWaitMs;
using fif::testing_support::TBrowserFixture;
using fif::testing_support::TBrowserWindow;

class ShellLinkTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void treeMovesListAndCombo();
    void listMovesTreeAndCombo();
    void listOpensVirtualNodes();
    void comboTypedPathMovesTreeAndList();
    void comboPickedAncestorMovesTreeAndList();
    void treeSelectsNearestAncestorWhileFolderIsNew();
    void nameThatIsNotUtf8TravelsThroughAllThree();
    void linkChangeEventComesOncePerMove();

private:
    // Waits until all three show the folder `path`.
    void ExpectAllAt(const QByteArray& path);
    void OpenInList(const QString& name);
    void TypeInCombo(const QString& text);

    std::unique_ptr<TBrowserFixture> fixture_;
    std::unique_ptr<TBrowserWindow> browser_;
};

void ShellLinkTest::init() {
    fixture_ = std::make_unique<TBrowserFixture>();
    fixture_->Folder("home/Desktop/work/src/deep");
    fixture_->Folder("home/Desktop/other");
    fixture_->Folder("home/docs");
    fixture_->Folder("home/Desktop/bad\xff");
    browser_ = std::make_unique<TBrowserWindow>();
}

void ShellLinkTest::cleanup() {
    browser_.reset();
    fixture_.reset();
}

void ShellLinkTest::ExpectAllAt(const QByteArray& path) {
    QTRY_COMPARE_WITH_TIMEOUT(BytesOf(browser_->tree->SelectedFolder()), path, kWaitMs);
    QCOMPARE(browser_->list->Place().path, path);
    QCOMPARE(BytesOf(browser_->combo->currentText()), path);
    QCOMPARE(browser_->link->Current().path, path);
}

void ShellLinkTest::OpenInList(const QString& name) {
    int row = -1;
    QTRY_VERIFY_WITH_TIMEOUT((row = browser_->ListRow(name)) >= 0, kWaitMs);
    QAbstractItemView* view = browser_->list->CurrentView();
    view->setFocus();
    view->setCurrentIndex(browser_->list->ShellModel()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);  // opens, as a double-click does
}

void ShellLinkTest::TypeInCombo(const QString& text) {
    QLineEdit* edit = browser_->combo->lineEdit();
    edit->setFocus();
    edit->setText(text);  // keyClicks types Latin-1 only
    QTest::keyClick(edit, Qt::Key_Return);
}

void ShellLinkTest::treeMovesListAndCombo() {
    fif::TShellTreeModel* model = browser_->tree->ShellModel();
    const QModelIndex desktop = model->DesktopIndex();
    browser_->tree->expand(desktop);
    QModelIndex work;
    QTRY_VERIFY_WITH_TIMEOUT((work = model->FindChild(desktop, "work")).isValid(), kWaitMs);
    QTest::mouseClick(browser_->tree->viewport(), Qt::LeftButton, {}, browser_->tree->visualRect(work).center());
    ExpectAllAt(fixture_->Path("home/Desktop/work"));
    QTRY_VERIFY_WITH_TIMEOUT(browser_->ListRow("src") >= 0, kWaitMs);

    QTest::mouseClick(browser_->tree->viewport(), Qt::LeftButton, {},
                      browser_->tree->visualRect(model->ComputerIndex()).center());
    QTRY_COMPARE(browser_->list->Place(), TShellPlace::Computer());
    QCOMPARE(browser_->combo->currentText(), fif::TShellNamespace::ComputerName());
    QCOMPARE(browser_->tree->SelectedFolder(), QString());
}

void ShellLinkTest::listMovesTreeAndCombo() {
    OpenInList("work");
    ExpectAllAt(fixture_->Path("home/Desktop/work"));
    // The tree has not read "work" yet: it reads on the way down.
    OpenInList("src");
    ExpectAllAt(fixture_->Path("home/Desktop/work/src"));
    OpenInList("deep");
    ExpectAllAt(fixture_->Path("home/Desktop/work/src/deep"));
    const QModelIndex current = browser_->tree->currentIndex();
    QVERIFY(browser_->tree->isExpanded(current.parent()));
}

void ShellLinkTest::listOpensVirtualNodes() {
    OpenInList(fif::TShellNamespace::HomeName());
    ExpectAllAt(fixture_->Home());
    QCOMPARE(browser_->tree->currentIndex(), browser_->tree->ShellModel()->HomeIndex());
    OpenInList("docs");
    ExpectAllAt(fixture_->Path("home/docs"));
    QCOMPARE(browser_->tree->currentIndex().parent(), browser_->tree->ShellModel()->HomeIndex());
}

void ShellLinkTest::comboTypedPathMovesTreeAndList() {
    TypeInCombo(QString::fromUtf8(fixture_->Path("home/Desktop/work/src/deep")));
    ExpectAllAt(fixture_->Path("home/Desktop/work/src/deep"));
    TypeInCombo("..");  // relative to the current folder
    ExpectAllAt(fixture_->Path("home/Desktop/work/src"));
    TypeInCombo("/");
    ExpectAllAt("/");
    QCOMPARE(browser_->tree->currentIndex().parent(), browser_->tree->ShellModel()->ComputerIndex());
}

void ShellLinkTest::comboPickedAncestorMovesTreeAndList() {
    TypeInCombo(QString::fromUtf8(fixture_->Path("home/Desktop/work/src/deep")));
    ExpectAllAt(fixture_->Path("home/Desktop/work/src/deep"));
    fif::TJamShellCombo* combo = browser_->combo;
    const int workRow = combo->findText("work");
    QVERIFY(workRow >= 0);
    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    combo->view()->setCurrentIndex(combo->model()->index(workRow, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    ExpectAllAt(fixture_->Path("home/Desktop/work"));

    const int desktopRow = combo->findText(fif::TShellNamespace::DesktopName());
    QVERIFY(desktopRow >= 0);
    emit combo->activated(desktopRow);
    ExpectAllAt(fixture_->Desktop());
    QCOMPARE(browser_->tree->currentIndex(), browser_->tree->ShellModel()->DesktopIndex());
}

void ShellLinkTest::treeSelectsNearestAncestorWhileFolderIsNew() {
    fif::TShellTreeModel* model = browser_->tree->ShellModel();
    const QModelIndex desktop = model->DesktopIndex();
    QTRY_VERIFY_WITH_TIMEOUT(model->FindChild(desktop, "work").isValid(), kWaitMs);
    // Made and gone to in one go: the tree has not seen the folder yet, so it selects the
    // nearest ancestor it shows, and the folder itself once it has read the desktop again.
    fixture_->Folder("home/Desktop/fresh");
    QVERIFY(browser_->combo->GoToText(QString::fromUtf8(fixture_->Path("home/Desktop/fresh"))));
    QCOMPARE(BytesOf(browser_->tree->SelectedFolder()), fixture_->Desktop());
    QCOMPARE(browser_->list->Place().path, fixture_->Path("home/Desktop/fresh"));
    ExpectAllAt(fixture_->Path("home/Desktop/fresh"));
}

void ShellLinkTest::nameThatIsNotUtf8TravelsThroughAllThree() {
    const QByteArray bad = fixture_->Path("home/Desktop/bad\xff");
    OpenInList(QString::fromUtf8("bad\xff"));
    ExpectAllAt(bad);
    // The combo shows the path with the stray byte escaped; confirming it as it stands goes
    // to the same folder from elsewhere.
    const QString shown = browser_->combo->currentText();
    TypeInCombo("/");
    ExpectAllAt("/");
    TypeInCombo(shown);
    ExpectAllAt(bad);
}

void ShellLinkTest::linkChangeEventComesOncePerMove() {
    QSignalSpy changes(browser_->link, &fif::TJamShellLink::FolderChanged);
    OpenInList("work");
    ExpectAllAt(fixture_->Path("home/Desktop/work"));
    QCOMPARE(changes.count(), 1);
    browser_->link->Navigate(TShellPlace::Folder(fixture_->Path("home/Desktop/work")));
    QCOMPARE(changes.count(), 1);  // already there
}

QTEST_MAIN(ShellLinkTest)
#include "shell_link_test.moc"
