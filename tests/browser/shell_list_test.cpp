// The file list: its four views, the view selector's values, what it shows, and opening.
#include "browser/shell_list.h"
#include "browser/shell_list_model.h"
#include "browser/shell_namespace.h"
#include "platform/file_opener.h"

#include "browser_fixture.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QListView>
#include <QTreeView>
#include <QtTest>

#include <memory>

using fif::TJamShellList;
using fif::TShellListModel;
using fif::TShellPlace;
using fif::testing_support::kWaitMs;
using fif::testing_support::TBrowserFixture;

Q_DECLARE_METATYPE(TJamShellList::ViewStyle)

class ShellListTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAtTheDesktopInLargeIcons();
    void viewFromSelectorValue_data();
    void viewFromSelectorValue();
    void valueOutsideTheItemsChangesNothing_data();
    void valueOutsideTheItemsChangesNothing();
    void sameViewAgainChangesNothing();
    void showsFoldersThenFilesWithDetails();
    void computerShowsTheVolumes();
    void openingAFileHandsItToItsProgram();
    void followsTheDisk();

private:
    QStringList Names() const;

    std::unique_ptr<TBrowserFixture> fixture_;
    std::unique_ptr<TJamShellList> list_;
    QStringList opened_;
};

void ShellListTest::init() {
    fixture_ = std::make_unique<TBrowserFixture>();
    fixture_->Folder("home/Desktop/Zfolder");
    fixture_->Folder("home/Desktop/.hidden");
    fixture_->File("home/Desktop/a.txt", "12345");
    fixture_->File("home/Desktop/Big.bin", QByteArray(1500, 'x'));
    fixture_->File("home/Desktop/.profile");
    opened_.clear();
    fif::SetFileOpenerForTesting([this](const QString& path) { opened_ << path; });
    list_ = std::make_unique<TJamShellList>();
    // Checks the model's every change for consistency, the re-reads applied run by run too.
    new QAbstractItemModelTester(list_->ShellModel(), QAbstractItemModelTester::FailureReportingMode::QtTest,
                                 list_.get());
    list_->resize(500, 300);
    list_->show();
    QTRY_VERIFY_WITH_TIMEOUT(list_->ShellModel()->IsLoaded(), kWaitMs);
}

void ShellListTest::cleanup() {
    list_.reset();
    fixture_.reset();
    fif::SetFileOpenerForTesting({});
}

QStringList ShellListTest::Names() const {
    QStringList names;
    const TShellListModel* model = list_->ShellModel();
    for (int row = 0; row < model->rowCount(); ++row) names << model->index(row, 0).data().toString();
    return names;
}

void ShellListTest::startsAtTheDesktopInLargeIcons() {
    QCOMPARE(list_->Place(), TShellPlace::Desktop(fixture_->Desktop()));
    QCOMPARE(list_->GetViewStyle(), TJamShellList::vsIcon);
    QVERIFY(list_->AutoArrange());
    auto* view = qobject_cast<QListView*>(list_->CurrentView());
    QVERIFY(view);
    QCOMPARE(view->resizeMode(), QListView::Adjust);  // arranged again on every resize
}

void ShellListTest::viewFromSelectorValue_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<TJamShellList::ViewStyle>("style");
    QTest::newRow("0 Icon") << 0 << TJamShellList::vsIcon;
    QTest::newRow("1 SmallIcon") << 1 << TJamShellList::vsSmallIcon;
    QTest::newRow("2 List") << 2 << TJamShellList::vsList;
    QTest::newRow("3 Report") << 3 << TJamShellList::vsReport;
}

void ShellListTest::viewFromSelectorValue() {
    QFETCH(int, value);
    QFETCH(TJamShellList::ViewStyle, style);
    // From another view, so that each case really switches.
    list_->SetViewStyle(style == TJamShellList::vsReport ? TJamShellList::vsIcon : TJamShellList::vsReport);
    QVERIFY(list_->SetViewStyleValue(value));
    QCOMPARE(list_->GetViewStyle(), style);

    QAbstractItemView* view = list_->CurrentView();
    QVERIFY(view->isVisible());
    QCOMPARE(view->model(), list_->ShellModel());
    QCOMPARE(view->model()->rowCount(), Names().size());
    auto* icons = qobject_cast<QListView*>(view);
    auto* details = qobject_cast<QTreeView*>(view);
    switch (style) {
        case TJamShellList::vsIcon:
            QVERIFY(icons);
            QCOMPARE(icons->viewMode(), QListView::IconMode);
            QCOMPARE(icons->iconSize(), QSize(32, 32));
            break;
        case TJamShellList::vsSmallIcon:
            QVERIFY(icons);
            QCOMPARE(icons->viewMode(), QListView::ListMode);
            QCOMPARE(icons->flow(), QListView::LeftToRight);
            QCOMPARE(icons->iconSize(), QSize(16, 16));
            break;
        case TJamShellList::vsList:
            QVERIFY(icons);
            QCOMPARE(icons->viewMode(), QListView::ListMode);
            QCOMPARE(icons->flow(), QListView::TopToBottom);
            QVERIFY(icons->isWrapping());
            break;
        case TJamShellList::vsReport:
            QVERIFY(details);
            QCOMPARE(details->header()->count(), 4);
            QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("이름"));
            QVERIFY(!details->header()->isHidden());
            break;
    }
    // The view shown is the only one holding the model: the other never lays out rows.
    for (QAbstractItemView* other : list_->findChildren<QAbstractItemView*>()) {
        if (other == view || qobject_cast<QHeaderView*>(other)) continue;
        QVERIFY(other->model() != list_->ShellModel());
    }
}

void ShellListTest::valueOutsideTheItemsChangesNothing_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("-1") << -1;
    QTest::newRow("4") << 4;
    QTest::newRow("a large value") << 1000;
}

void ShellListTest::valueOutsideTheItemsChangesNothing() {
    QFETCH(int, value);
    list_->SetViewStyle(TJamShellList::vsList);
    QAbstractItemView* before = list_->CurrentView();
    QVERIFY(!list_->SetViewStyleValue(value));
    QCOMPARE(list_->GetViewStyle(), TJamShellList::vsList);
    QCOMPARE(list_->CurrentView(), before);

    TJamShellList::ViewStyle style = TJamShellList::vsReport;
    QVERIFY(!fif::ViewStyleFromValue(value, &style));
    QCOMPARE(style, TJamShellList::vsReport);  // untouched
}

void ShellListTest::sameViewAgainChangesNothing() {
    list_->SetViewStyle(TJamShellList::vsReport);
    QAbstractItemView* view = list_->CurrentView();
    view->setCurrentIndex(list_->ShellModel()->index(2, 0));
    QItemSelectionModel* selection = view->selectionModel();
    QVERIFY(list_->SetViewStyleValue(3));
    QCOMPARE(list_->CurrentView(), view);
    QCOMPARE(view->selectionModel(), selection);
    QCOMPARE(view->currentIndex().row(), 2);
}

void ShellListTest::showsFoldersThenFilesWithDetails() {
    // The desktop's own nodes, then folders and files, hidden ones included.
    QCOMPARE(Names(), (QStringList{fif::TShellNamespace::ComputerName(), fif::TShellNamespace::HomeName(), ".hidden",
                                   "Zfolder", ".profile", "a.txt", "Big.bin"}));
    const TShellListModel* model = list_->ShellModel();
    QCOMPARE(model->index(5, TShellListModel::kSize).data().toString(), QStringLiteral("1 KB"));
    QCOMPARE(model->index(6, TShellListModel::kSize).data().toString(), QStringLiteral("2 KB"));
    QCOMPARE(model->index(3, TShellListModel::kSize).data().toString(), QString());
    QCOMPARE(model->index(3, TShellListModel::kType).data().toString(), QStringLiteral("파일 폴더"));
    QVERIFY(!model->index(5, TShellListModel::kType).data().toString().isEmpty());
    QVERIFY(!model->index(5, TShellListModel::kModified).data().toString().isEmpty());
    QVERIFY(!model->index(5, TShellListModel::kName).data(Qt::DecorationRole).value<QIcon>().isNull());
}

void ShellListTest::computerShowsTheVolumes() {
    list_->GoTo(TShellPlace::Computer());
    QVERIFY(list_->ShellModel()->IsLoaded());
    QVERIFY(!Names().isEmpty());
    QCOMPARE(Names().first(), QStringLiteral("/"));
    QCOMPARE(list_->ShellModel()->PlaceOfRow(0), TShellPlace::Folder("/"));
}

void ShellListTest::openingAFileHandsItToItsProgram() {
    QAbstractItemView* view = list_->CurrentView();
    view->setFocus();
    view->setCurrentIndex(list_->ShellModel()->index(Names().indexOf("a.txt"), 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(opened_, QStringList{QString::fromUtf8(fixture_->Path("home/Desktop/a.txt"))});
    QCOMPARE(list_->Place(), TShellPlace::Desktop(fixture_->Desktop()));  // a file is no place to go
}

void ShellListTest::followsTheDisk() {
    const TShellListModel* model = list_->ShellModel();
    QAbstractItemView* view = list_->CurrentView();
    const QPersistentModelIndex big = model->index(Names().indexOf("Big.bin"), 0);
    view->setCurrentIndex(big);

    // Added in the middle, removed before, changed in place: one re-read does all three.
    fixture_->File("home/Desktop/b-later.txt");
    fixture_->File("home/Desktop/.profile", QByteArray(3000, 'y'));
    ::unlink(fixture_->Path("home/Desktop/a.txt").constData());
    const QStringList expected{fif::TShellNamespace::ComputerName(), fif::TShellNamespace::HomeName(), ".hidden",
                               "Zfolder", ".profile", "b-later.txt", "Big.bin"};
    QTRY_COMPARE_WITH_TIMEOUT(Names(), expected, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(model->index(4, TShellListModel::kSize).data().toString(), QStringLiteral("3 KB"), kWaitMs);
    // The rows that stayed are the same rows: the selection stays on them.
    QCOMPARE(big.row(), 6);
    QCOMPARE(view->currentIndex(), QModelIndex(big));
    QCOMPARE(model->PathOfRow(5), fixture_->Path("home/Desktop/b-later.txt"));
}

QTEST_MAIN(ShellListTest)
#include "shell_list_test.moc"
