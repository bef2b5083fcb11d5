// The folder tree: what SelectedFolder gives for each kind of selection, which folders the
// tree shows, and that it follows the disk.
#include "browser/shell_namespace.h"
#include "browser/shell_tree.h"
#include "browser/shell_tree_model.h"
#include "platform/code_page.h"

#include "browser_fixture.h"

#include <QApplication>
#include <QtTest>

#include <memory>

using fif::TJamShellTree;
using fif::TShellTreeModel;
using fif::testing_support::kWaitMs;
using fif::testing_support::TBrowserFixture;

namespace {

QByteArray FromWide(const QString& text) {
    return QByteArray::fromStdString(fif::codepage::FromWide(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size())));
}

QStringList ChildNames(const TShellTreeModel& model, const QModelIndex& parent) {
    QStringList names;
    for (int row = 0; row < model.rowCount(parent); ++row) names << model.index(row, 0, parent).data().toString();
    return names;
}

}  // namespace

class ShellTreeTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAtTheDesktop();
    void selectedFolder_data();
    void selectedFolder();
    void desktopFallsBackToHome();
    void showsFoldersOnlyWithHiddenOnes();
    void followsTheDisk();
    void folderOfManyFoldersArrivesWhole();
    void takesTheApplicationFont();

private:
    QModelIndex LoadedChild(const QModelIndex& parent, const QByteArray& name);

    std::unique_ptr<TBrowserFixture> fixture_;
    std::unique_ptr<TJamShellTree> tree_;
};

void ShellTreeTest::init() {
    fixture_ = std::make_unique<TBrowserFixture>();
    fixture_->Folder("home/Desktop/work/src");
    fixture_->Folder("home/Desktop/.hidden");
    fixture_->Folder("home/Desktop/bad\xff\xfe");
    fixture_->File("home/Desktop/notes.txt");
    tree_ = std::make_unique<TJamShellTree>();
    tree_->show();
}

void ShellTreeTest::cleanup() {
    tree_.reset();
    fixture_.reset();
}

QModelIndex ShellTreeTest::LoadedChild(const QModelIndex& parent, const QByteArray& name) {
    TShellTreeModel* model = tree_->ShellModel();
    tree_->expand(parent);
    QModelIndex child;
    [&] { QTRY_VERIFY_WITH_TIMEOUT((child = model->FindChild(parent, name)).isValid(), kWaitMs); }();
    return child;
}

void ShellTreeTest::startsAtTheDesktop() {
    // Find pressed at once searches the desktop folder.
    QCOMPARE(tree_->SelectedFolder(), QString::fromUtf8(fixture_->Desktop()));
    QCOMPARE(tree_->currentIndex(), tree_->ShellModel()->DesktopIndex());
    QCOMPARE(tree_->ShellModel()->DesktopIndex().data().toString(), fif::TShellNamespace::DesktopName());
}

enum class Selection { Folder, FileSystemRoot, Desktop, Home, Computer, Nothing, NotUtf8Folder };
Q_DECLARE_METATYPE(Selection)

void ShellTreeTest::selectedFolder_data() {
    QTest::addColumn<Selection>("selection");
    QTest::addColumn<QByteArray>("expected");  // relative to the fixture, or absolute; "" for empty
    QTest::newRow("a folder: full path, no trailing slash") << Selection::Folder << QByteArray("home/Desktop/work/src");
    QTest::newRow("the file system root keeps its slash") << Selection::FileSystemRoot << QByteArray("/");
    QTest::newRow("the desktop node: the desktop folder") << Selection::Desktop << QByteArray("home/Desktop");
    QTest::newRow("the home node") << Selection::Home << QByteArray("home");
    QTest::newRow("the computer: no path") << Selection::Computer << QByteArray();
    QTest::newRow("nothing selected") << Selection::Nothing << QByteArray();
    QTest::newRow("a name that is not UTF-8 keeps its bytes") << Selection::NotUtf8Folder
                                                              << QByteArray("home/Desktop/bad\xff\xfe");
}

void ShellTreeTest::selectedFolder() {
    QFETCH(Selection, selection);
    QFETCH(QByteArray, expected);
    TShellTreeModel* model = tree_->ShellModel();
    QModelIndex target;
    switch (selection) {
        case Selection::Folder:
            target = LoadedChild(LoadedChild(model->DesktopIndex(), "work"), "src");
            break;
        case Selection::FileSystemRoot:
            target = model->index(0, 0, model->ComputerIndex());
            break;
        case Selection::Desktop:
            target = model->DesktopIndex();
            break;
        case Selection::Home:
            target = model->HomeIndex();
            break;
        case Selection::Computer:
            target = model->ComputerIndex();
            break;
        case Selection::Nothing:
            break;
        case Selection::NotUtf8Folder:
            target = LoadedChild(model->DesktopIndex(), "bad\xff\xfe");
            break;
    }
    if (selection == Selection::Nothing) {
        tree_->selectionModel()->clearSelection();
    } else {
        QVERIFY(target.isValid());
        tree_->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    }

    const QString text = tree_->SelectedFolder();
    const QByteArray expectedPath =
        expected.isEmpty() || expected.startsWith('/') ? expected : fixture_->Path(expected);
    QCOMPARE(FromWide(text), expectedPath);
    if (!text.isEmpty()) QCOMPARE(text.endsWith('/'), text == "/");
}

void ShellTreeTest::desktopFallsBackToHome() {
    tree_.reset();
    qputenv("XDG_DESKTOP_DIR", fixture_->Path("no-such-folder"));
    // $HOME/Desktop, where the desktop would be without the variable, goes too.
    const QByteArray desktop = fixture_->Desktop();
    const QByteArray moved = fixture_->Path("home/Desk");
    QCOMPARE(::rename(desktop.constData(), moved.constData()), 0);

    TJamShellTree tree;
    QCOMPARE(tree.SelectedFolder(), QString::fromUtf8(fixture_->Home()));
}

void ShellTreeTest::showsFoldersOnlyWithHiddenOnes() {
    TShellTreeModel* model = tree_->ShellModel();
    const QModelIndex desktop = model->DesktopIndex();
    LoadedChild(desktop, "work");
    QCOMPARE(ChildNames(*model, desktop),
             (QStringList{fif::TShellNamespace::ComputerName(), fif::TShellNamespace::HomeName(), ".hidden",
                          QString::fromUtf8("bad\xff\xfe"), "work"}));
    const QModelIndex computer = model->ComputerIndex();
    QVERIFY(model->rowCount(computer) >= 1);
    QCOMPARE(model->index(0, 0, computer).data().toString(), QStringLiteral("/"));
    // A folder without sub-folders offers nothing to expand once its parent was read.
    const QModelIndex hidden = model->FindChild(desktop, ".hidden");
    QVERIFY(!model->hasChildren(hidden));
    QVERIFY(model->hasChildren(model->FindChild(desktop, "work")));
}

void ShellTreeTest::followsTheDisk() {
    TShellTreeModel* model = tree_->ShellModel();
    const QModelIndex desktop = model->DesktopIndex();
    LoadedChild(desktop, "work");
    fixture_->Folder("home/Desktop/made-later");
    QTRY_VERIFY_WITH_TIMEOUT(model->FindChild(desktop, "made-later").isValid(), kWaitMs);
    ::rmdir(fixture_->Path("home/Desktop/made-later").constData());
    QTRY_VERIFY_WITH_TIMEOUT(!model->FindChild(desktop, "made-later").isValid(), kWaitMs);
}

void ShellTreeTest::folderOfManyFoldersArrivesWhole() {
    // More folders than go into the tree in one turn of the event loop.
    constexpr int kCount = 7000;
    for (int i = 0; i < kCount; ++i) fixture_->Folder("home/Desktop/many/f" + QByteArray::number(10000 + i));
    TShellTreeModel* model = tree_->ShellModel();
    const QModelIndex many = LoadedChild(model->DesktopIndex(), "many");
    tree_->expand(many);
    QTRY_VERIFY_WITH_TIMEOUT(model->IsLoaded(many), kWaitMs);
    QCOMPARE(model->rowCount(many), kCount);

    // A re-read that removes from the front and adds at the end, in slices too.
    for (int i = 0; i < 3500; ++i) ::rmdir(fixture_->Path("home/Desktop/many/f" + QByteArray::number(10000 + i)).constData());
    for (int i = 0; i < 3500; ++i) fixture_->Folder("home/Desktop/many/g" + QByteArray::number(10000 + i));
    QTRY_VERIFY_WITH_TIMEOUT(model->FindChild(many, "g13499").isValid() && !model->FindChild(many, "f10000").isValid(),
                             kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(many), kCount, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(model->IsLoaded(many) && !model->FindChild(many, "f13499").isValid(), kWaitMs);
    for (int row = 0; row < kCount; ++row) {
        const QModelIndex child = model->index(row, 0, many);
        QCOMPARE(child.row(), row);
        QCOMPARE(child.parent(), many);
        const QByteArray expected = row < 3500 ? "f" + QByteArray::number(13500 + row) : "g" + QByteArray::number(10000 + row - 3500);
        QCOMPARE(model->FindChild(many, expected), child);
    }
}

void ShellTreeTest::takesTheApplicationFont() {
    QWidget window;
    QFont windowFont(QStringLiteral("NanumGothic"));
    windowFont.setPixelSize(13);
    window.setFont(windowFont);
    const QFont saved = QApplication::font();
    QFont appFont = saved;
    appFont.setPixelSize(windowFont.pixelSize() + 4);  // tell the two apart
    QApplication::setFont(appFont);
    auto* tree = new TJamShellTree(&window);
    QCOMPARE(tree->font().pixelSize(), appFont.pixelSize());
    QCOMPARE(tree->indentation(), 19);
    QApplication::setFont(saved);
}

QTEST_MAIN(ShellTreeTest)
#include "shell_tree_test.moc"
