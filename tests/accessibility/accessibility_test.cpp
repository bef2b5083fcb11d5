// The window as a screen reader sees it, on the offscreen platform: the accessible names
// and descriptions of its controls, the status panels, the result list's table and its
// focused cell, and the result list's keys for the preview and for opening a file.
// The offscreen platform has no accessibility bridge, so Qt sends no accessibility events
// here; the check under Xvfb with the AT-SPI bus listens for those.
#include "app/Form1.h"
#include "app/application.h"
#include "app/status_bar.h"
#include "platform/file_opener.h"
#include "platform/thread_base.h"
#include "results/adv_memo.h"
#include "results/result_grid.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace fif;

namespace {

QString AccessibleText(QObject* object, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(which) : QStringLiteral("<no interface>");
}

// What a screen reader speaks as what the control is: the label that labels it if there
// is one (Qt names a combo box so on Linux), else its name.
QString SpokenName(QAccessibleInterface* iface) {
    const auto labels = iface->relations(QAccessible::Label);
    return labels.isEmpty() ? iface->text(QAccessible::Name) : labels.front().first->text(QAccessible::Name);
}

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsAreNamedAndDescribed_data();
    void controlsAreNamedAndDescribed();
    void folderBrowserViewsShareTheirControlsName();
    void statusPanelsReadTheirTextsAndValue();
    void resultListExposesHeadersAndCells();
    void focusedRowIsTheAccessibleFocus();
    void resultListKeys_data();
    void resultListKeys();
    void enterWithoutAFocusedRowDoesNothing();
    void spaceStillTypesIntoTheIncrementalSearch();
    void previewIsLeftWithCtrlTab_data();
    void previewIsLeftWithCtrlTab();

private:
    TForm1* NewWindow();
    // Appends rows for files on the desktop folder (which the test writes) without a search.
    void AddRows(TForm1* window, const QStringList& names);
    void FocusRow(TForm1* window, int row);
    QString Desktop() const { return home_->filePath(QStringLiteral("Desktop/")); }

    std::unique_ptr<QTemporaryDir> home_;
    TForm1* window_ = nullptr;
    QStringList opened_;
};

void AccessibilityTest::init() {
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", home_->path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DESKTOP_DIR");
    QDir(home_->path()).mkpath(QStringLiteral("Desktop"));
    opened_.clear();
    SetFileOpenerForTesting([this](const QString& path) { opened_ << path; });
}

void AccessibilityTest::cleanup() {
    delete window_;
    window_ = nullptr;
    QTRY_COMPARE_WITH_TIMEOUT(TThread::RunningThreads(), 0, 20000);
    SetFileOpenerForTesting(nullptr);
}

TForm1* AccessibilityTest::NewWindow() {
    window_ = new TForm1();
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_)) qWarning("window not active");
    return window_;
}

void AccessibilityTest::AddRows(TForm1* window, const QStringList& names) {
    TResultGrid* grid = window->cxGrid1TableView1;
    for (const QString& name : names) {
        WriteFile(Desktop() + name, "unit " + name.toUtf8() + ";\nbegin needle end.\n");
        const int record = grid->RecordCount();
        grid->AppendRecord();
        grid->SetValue(record, 0, name.toStdString());
        grid->SetValue(record, 1, Desktop().toStdString());
    }
    grid->ShowAppendedRecords();
    QTRY_COMPARE(grid->model()->rowCount(), names.size());
}

void AccessibilityTest::FocusRow(TForm1* window, int row) {
    TResultGrid* grid = window->cxGrid1TableView1;
    grid->setFocus();
    grid->selectionModel()->setCurrentIndex(grid->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QCOMPARE(grid->FocusedRecord(), row);
}

void AccessibilityTest::controlsAreNamedAndDescribed_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    QTest::newRow("window") << "Form1" << QAccessible::Window << "화일에서 지정한 문자열 찾아 내기";
    QTest::newRow("Find") << "cxButton2" << QAccessible::Button << "찾기";
    QTest::newRow("Cancel") << "cxButton3" << QAccessible::Button << "취소";
    QTest::newRow("find next") << "cxButton1" << QAccessible::Button << "다음 찾기";
    QTest::newRow("sub-folder switch") << "CHKBOX_SubDirectory" << QAccessible::CheckBox << "SubDirectory";
    QTest::newRow("mask") << "MaskEdit" << QAccessible::EditableText << "파일 마스크";
    QTest::newRow("search text") << "SearchEdit" << QAccessible::EditableText << "찾을 문자열";
    QTest::newRow("find-next text") << "FindNextEdit" << QAccessible::EditableText << "다음 찾을 문자열";
    QTest::newRow("path box") << "cxTextEdit1" << QAccessible::EditableText << "선택한 화일의 폴더";
    QTest::newRow("result list") << "cxGrid1" << QAccessible::Table << "검색 결과";
    QTest::newRow("preview") << "AdvMemo1" << QAccessible::NoRole << "미리 보기";
    QTest::newRow("view selector") << "cxImageComboBox1" << QAccessible::ComboBox << "보기 방식";
    QTest::newRow("path combo") << "JamShellCombo1" << QAccessible::NoRole << "경로";
    QTest::newRow("folder tree") << "JamShellTree1" << QAccessible::NoRole << "폴더 트리";
    QTest::newRow("file list") << "JamShellList1" << QAccessible::NoRole << "파일 목록";
    QTest::newRow("progress bar") << "cxProgressBar1" << QAccessible::ProgressBar << "진행률";
}

void AccessibilityTest::controlsAreNamedAndDescribed() {
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    TForm1* window = NewWindow();
    auto* widget = control == window->objectName() ? window : window->findChild<QWidget*>(control);
    QVERIFY(widget);
    // What a screen reader reads: the accessible interface, not just the property.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(SpokenName(iface), name);
    if (widget != window) QVERIFY2(!iface->text(QAccessible::Description).isEmpty(), qPrintable(control));
    if (role != QAccessible::NoRole) QCOMPARE(iface->role(), role);  // the folder browser's kinds may still change
}

void AccessibilityTest::folderBrowserViewsShareTheirControlsName() {
    // The file list may take the focus on an inner view; that view reads as the list.
    TForm1* window = NewWindow();
    auto* list = window->findChild<QWidget*>(QStringLiteral("JamShellList1"));
    QVERIFY(list);
    for (auto* view : list->findChildren<QAbstractItemView*>()) {
        if (qobject_cast<QHeaderView*>(view) || view->window() != window) continue;
        QCOMPARE(AccessibleText(view, QAccessible::Name), QStringLiteral("파일 목록"));
    }
}

void AccessibilityTest::statusPanelsReadTheirTextsAndValue() {
    TForm1* window = NewWindow();
    TdxStatusBar* bar = window->dxStatusBar1;
    const QString panelNames[4] = {QStringLiteral("결과 위치/개수"), QStringLiteral("선택한 화일의 폴더"),
                                   QStringLiteral("커서 위치"), QStringLiteral("진행률")};
    for (int i = 0; i < 4; ++i) QCOMPARE(AccessibleText(bar->Panel(i), QAccessible::Name), panelNames[i]);

    // A text panel's label reads as its text, and the panel's name is its description.
    bar->SetPanelText(0, QStringLiteral("3/17"));
    bar->SetPanelText(2, QStringLiteral("1 / 2 - 3"));
    for (int i : {0, 2}) {
        auto* label = bar->Panel(i)->findChild<QLabel*>();
        QVERIFY(label);
        QCOMPARE(AccessibleText(label, QAccessible::Name), bar->PanelText(i));
        QCOMPARE(AccessibleText(label, QAccessible::Description), panelNames[i]);
    }

    window->cxTextEdit1->setText(QStringLiteral("/tmp/a.pas"));
    QCOMPARE(AccessibleText(window->cxTextEdit1, QAccessible::Value), QStringLiteral("/tmp/a.pas"));

    TcxProgressBar* progress = window->cxProgressBar1;
    progress->SetMin(0);
    progress->SetMax(8);
    progress->SetPosition(2);
    QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(progress)->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), 2);
    QCOMPARE(value->maximumValue().toInt(), 8);
}

void AccessibilityTest::resultListExposesHeadersAndCells() {
    TForm1* window = NewWindow();
    AddRows(window, {QStringLiteral("one.pas"), QStringLiteral("two.pas")});
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(window->cxGrid1)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnDescription(0), QStringLiteral("File Name"));
    QCOMPARE(table->columnDescription(1), QStringLiteral("Path"));
    QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("two.pas"));
    QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), Desktop());
}

void AccessibilityTest::focusedRowIsTheAccessibleFocus() {
    TForm1* window = NewWindow();
    AddRows(window, {QStringLiteral("one.pas"), QStringLiteral("two.pas")});
    FocusRow(window, 0);
    QTRY_VERIFY(window->cxGrid1->hasFocus());
    QTest::keyClick(window->cxGrid1, Qt::Key_Down);
    QCOMPARE(window->cxGrid1->FocusedRecord(), 1);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(window->cxGrid1)->tableInterface();
    QVERIFY(table);
    QVERIFY(table->cellAt(1, 0)->state().focused);
    QVERIFY(!table->cellAt(0, 0)->state().focused);
    QVERIFY(table->isRowSelected(1));
    QCOMPARE(table->selectedCellCount(), 2);  // the whole row
    // The focus change also fills the path box and the counter.
    QCOMPARE(AccessibleText(window->cxTextEdit1, QAccessible::Value), Desktop() + QStringLiteral("two.pas"));
    QCOMPARE(AccessibleText(window->dxStatusBar1->Panel(0)->findChild<QLabel*>(), QAccessible::Name),
             QStringLiteral("2/2"));
}

void AccessibilityTest::resultListKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("focusedAfter");
    QTest::addColumn<bool>("previewLoaded");
    QTest::addColumn<bool>("fileOpened");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Enter loads the preview") << int(Qt::Key_Return) << none << 1 << true << false;
    QTest::newRow("keypad Enter loads the preview")
        << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 1 << true << false;
    QTest::newRow("Ctrl+Enter opens the file") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << 1
                                               << false << true;
    QTest::newRow("Ctrl+keypad Enter opens the file")
        << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::KeypadModifier) << 1 << false << true;
    QTest::newRow("Shift+Enter does neither") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1
                                              << false << false;
    QTest::newRow("Down only moves the focus") << int(Qt::Key_Down) << none << 2 << false << false;
    QTest::newRow("Up only moves the focus") << int(Qt::Key_Up) << none << 0 << false << false;
}

void AccessibilityTest::resultListKeys() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, focusedAfter);
    QFETCH(bool, previewLoaded);
    QFETCH(bool, fileOpened);
    TForm1* window = NewWindow();
    AddRows(window, {QStringLiteral("a.pas"), QStringLiteral("b.pas"), QStringLiteral("c.pas")});
    window->SearchEdit->setText(QStringLiteral("needle"));
    FocusRow(window, 1);
    QCOMPARE(window->cxTextEdit1->text(), Desktop() + QStringLiteral("b.pas"));

    QTest::keyClick(window->cxGrid1, Qt::Key(key), modifiers);
    QCOMPARE(window->cxGrid1->FocusedRecord(), focusedAfter);
    // Loaded as a mouse release loads it: the file's text, its match selected.
    QCOMPARE(window->AdvMemo1->text().contains(QStringLiteral("unit b.pas;")), previewLoaded);
    QCOMPARE(window->AdvMemo1->selectedText() == QStringLiteral("needle"), previewLoaded);
    QCOMPARE(opened_, fileOpened ? QStringList{Desktop() + QStringLiteral("b.pas")} : QStringList());
}

void AccessibilityTest::enterWithoutAFocusedRowDoesNothing() {
    // A new search leaves no row focused while the path box still names a file of the last
    // one; neither key may act on that stale file.
    TForm1* window = NewWindow();
    AddRows(window, {QStringLiteral("a.pas")});
    FocusRow(window, 0);
    window->cxGrid1->Clear();
    QCOMPARE(window->cxGrid1->FocusedRecord(), -1);
    QVERIFY(!window->cxTextEdit1->text().isEmpty());
    QTest::keyClick(window->cxGrid1, Qt::Key_Return);
    QTest::keyClick(window->cxGrid1, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(window->AdvMemo1->text().isEmpty());
    QVERIFY(opened_.isEmpty());
}

void AccessibilityTest::spaceStillTypesIntoTheIncrementalSearch() {
    // A name that starts with a space is found by Space alone.
    TForm1* window = NewWindow();
    AddRows(window, {QStringLiteral("a.pas"), QStringLiteral(" spaced.pas")});
    FocusRow(window, 0);
    QTest::keyClick(window->cxGrid1, Qt::Key_Space, Qt::NoModifier);
    QCOMPARE(window->cxGrid1->FocusedRecord(), 1);
    QVERIFY(window->AdvMemo1->text().isEmpty());
    QVERIFY(opened_.isEmpty());
}

void AccessibilityTest::previewIsLeftWithCtrlTab_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("focusedAfter");
    QTest::addColumn<bool>("typed");

    // Tab order around the preview: the find-next box, the preview, the result list.
    QTest::newRow("Ctrl+Tab goes on to the result list")
        << int(Qt::Key_Tab) << Qt::KeyboardModifiers(Qt::ControlModifier) << "cxGrid1" << false;
    QTest::newRow("Ctrl+Shift+Tab goes back to the find-next box")
        << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << "FindNextEdit"
        << false;
    QTest::newRow("Tab still types") << int(Qt::Key_Tab) << Qt::KeyboardModifiers() << "AdvMemo1" << true;
}

void AccessibilityTest::previewIsLeftWithCtrlTab() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, focusedAfter);
    QFETCH(bool, typed);
    TForm1* window = NewWindow();
    window->AdvMemo1->setFocus();
    QTRY_VERIFY(window->AdvMemo1->hasFocus());
    QTest::keyClick(window->AdvMemo1, Qt::Key(key), modifiers);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focusedAfter);
    QCOMPARE(!window->AdvMemo1->text().isEmpty(), typed);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "accessibility_test.moc"
