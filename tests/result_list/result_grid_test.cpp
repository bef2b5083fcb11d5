// The result list as the user and the window meet it, on the offscreen platform.

#include "platform/code_page.h"
#include "platform/file_opener.h"
#include "results/result_filter_popup.h"
#include "results/result_filter_proxy.h"
#include "results/result_grid.h"
#include "results/result_header.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <string>
#include <vector>

using fif::TResultGrid;

namespace {

struct Hit {
    const char* name;
    const char* folder;
};

// Twelve files in the order found. "about.pas", record 6, sorts first by name.
const std::vector<Hit>& TwelveHits() {
    static const std::vector<Hit> hits = {
        {"main.pas", "/src/app/"}, {"unit1.pas", "/src/"},       {"form.pas", "/src/ui/"},
        {"data.pas", "/src/db/"},  {"print.pas", "/src/report/"}, {"tools.pas", "/src/lib/"},
        {"about.pas", "/src/ui/"}, {"zip.pas", "/src/lib/"},      {"edit.pas", "/src/ui/"},
        {"grid.pas", "/src/ui/"},  {"help.pas", "/doc/"},         {"net unit.pas", "/src/net/"},
    };
    return hits;
}

void AddHit(TResultGrid& grid, const std::string& name, const std::string& folder) {
    grid.AppendRecord();
    const int record = grid.RecordCount() - 1;
    grid.SetValue(record, 0, name);
    grid.SetValue(record, 1, folder);
}

void AddHits(TResultGrid& grid, const std::vector<Hit>& hits) {
    for (const Hit& hit : hits) AddHit(grid, hit.name, hit.folder);
    grid.ShowAppendedRecords();
}

// What the window does with the list's signals: the full path box and the counter of the
// status bar on a focus change, and opening the path box's file on a double-click.
class WindowHarness : public QObject {
public:
    explicit WindowHarness(TResultGrid& grid) {
        connect(&grid, &TResultGrid::FocusedRecordChanged, this, [this, &grid](int record) {
            if (grid.RecordCount() == 0 || record < 0) return;
            path = QString::fromStdU16String(fif::codepage::ToWide(grid.Value(record, 1) + grid.Value(record, 0)));
            counter = QStringLiteral("%1/%2").arg(record + 1).arg(grid.RowsShown());
        });
        connect(&grid, &TResultGrid::DblClick, this, [this] {
            if (!path.isEmpty()) fif::OpenWithAssociatedProgram(path);
        });
    }
    QString path;
    QString counter;
};

// A window with the list and a second control to take the keyboard focus away.
class TestWindow : public QWidget {
public:
    TestWindow() {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(&grid);
        layout->addWidget(&other);
        grid.setFixedSize(237, 344);
        grid.setObjectName("cxGrid1");
    }
    TResultGrid grid;
    QLineEdit other;
};

bool ShowAndActivate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QPoint RowCenter(const TResultGrid& grid, int row, int column = 0) {
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    return QPoint(std::min(cell.center().x(), grid.viewport()->width() - 2), cell.center().y());
}

void ClickRow(TResultGrid& grid, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(grid.viewport(), button, {}, RowCenter(grid, row));
}

// A point on the caption of a column, clear of its filter button and its edges.
QPoint HeaderCaption(const TResultGrid& grid, int column) {
    const QHeaderView& header = *grid.horizontalHeader();
    return QPoint(header.sectionViewportPosition(column) + 10, header.height() / 2);
}

void ClickHeader(TResultGrid& grid, int column) {
    QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {}, HeaderCaption(grid, column));
}

// Dark pixels in a band of an image: text, as opposed to the background and grid lines.
int InkIn(const QImage& image, const QRect& band) {
    int ink = 0;
    for (int y = band.top(); y <= band.bottom() && y < image.height(); ++y) {
        for (int x = band.left(); x <= band.right() && x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 110) ++ink;
        }
    }
    return ink;
}

QImage Grab(QWidget& widget) {
    const QPixmap pixmap = widget.grab();
    QImage image = pixmap.toImage();
    image.setDevicePixelRatio(1);
    return image.scaled(widget.size());
}

QStringList NamesInViewOrder(const TResultGrid& grid) {
    QStringList names;
    for (int row = 0; row < grid.model()->rowCount(); ++row) names << grid.model()->index(row, 0).data().toString();
    return names;
}

}  // namespace

class ResultGridTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void settingsOfTheList();
    void headerStyleAndInactiveStyle();

    void focusChangeReportsTheRecord_data();
    void focusChangeReportsTheRecord();
    void counterAfterSortShowsTheOrderFound();
    void headerClickTogglesTheSortDirection();
    void arrowKeysOnlyMoveTheFocus();
    void escapeRestartsIncrementalSearch();
    void incrementalSearchLooksInTheFocusedColumn();

    void rowsShownCountsOnlyRowsPassingTheFilter();
    void filterDropDownFiltersAndClears();
    void filteringAwayTheFocusedRowMovesTheFocus();

    void focusStaysOnItsRecordWhileRowsArriveSorted();
    void noRowIsFocusedByItself();
    void clearLeavesNoRowFocused();

    void noDataTextWhenNoRowIsShown();
    void mouseUpForEveryButtonAndPlace_data();
    void mouseUpForEveryButtonAndPlace();
    void doubleClickOpensThePathShown();
    void cellHintShowsCutOffText_data();
    void cellHintShowsCutOffText();
    void valuesComeBackAsTheBytesSet();

private:
    QStringList opened_;
};

void ResultGridTest::initTestCase() {
    // Typed keys belong to one incremental search however slowly a busy machine delivers
    // them; the pause that restarts it is tested with injected times.
    QApplication::setKeyboardInputInterval(60000);
    fif::SetFileOpenerForTesting([this](const QString& path) { opened_ << path; });
}

void ResultGridTest::cleanupTestCase() { fif::SetFileOpenerForTesting({}); }

void ResultGridTest::settingsOfTheList() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));

    const QHeaderView& header = *grid.horizontalHeader();
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("File Name"));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Path"));
    QCOMPARE(grid.columnWidth(0), 217);
    QCOMPARE(grid.columnWidth(1), 826);
    QVERIFY(grid.horizontalScrollBar()->maximum() > 0);  // "Path" is reached sideways
    QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable));
    QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid.selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!header.sectionsMovable());
    QVERIFY(!header.stretchLastSection());
    QCOMPARE(header.sectionResizeMode(0), QHeaderView::Interactive);
    QVERIFY(grid.isSortingEnabled());
    QVERIFY(header.sectionsClickable());
    QCOMPARE(header.sortIndicatorSection(), -1);
    for (int row = 0; row < 12; ++row) QCOMPARE(grid.Proxy().RecordOfRow(row), row);  // the order found

    // Typing does not edit, and the widths stay when the window changes size.
    ClickRow(grid, 0);
    QTest::keyClick(&grid, Qt::Key_F2);
    QVERIFY(grid.findChild<QLineEdit*>() == nullptr);  // no editor opened
    window.resize(window.width() + 100, window.height());
    QCOMPARE(grid.columnWidth(0), 217);

    // Dragging a header's edge resizes the column.
    QWidget* headerPort = grid.horizontalHeader()->viewport();
    const QPoint edge(header.sectionViewportPosition(0) + header.sectionSize(0) - 1, header.height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, edge, headerPort->mapToGlobal(edge), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(headerPort, &press);
    const QPoint left = edge - QPoint(60, 0);
    QMouseEvent move(QEvent::MouseMove, left, headerPort->mapToGlobal(left), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(headerPort, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, left, headerPort->mapToGlobal(left), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(headerPort, &release);
    QCOMPARE(grid.columnWidth(0), 157);
    QCOMPARE(header.sortIndicatorSection(), -1);  // resizing did not sort
}

void ResultGridTest::headerStyleAndInactiveStyle() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setBold(true);
    grid.SetHeaderStyle(font, QColor(Qt::black));
    QCOMPARE(grid.horizontalHeader()->font().pixelSize(), 13);
    QVERIFY(grid.horizontalHeader()->font().bold());
    QCOMPARE(grid.horizontalHeader()->palette().color(QPalette::ButtonText), QColor(Qt::black));

    const QColor inactive(128, 128, 255);
    grid.SetInactiveStyle(inactive);
    AddHits(grid, {{"a.pas", "/src/"}, {"b.pas", "/src/"}});
    QVERIFY(ShowAndActivate(window));
    grid.setFocus();
    QTRY_VERIFY(grid.hasFocus());
    ClickRow(grid, 0);
    // A point of the focused row right of its short name, where only the background shows.
    const QRect row = grid.visualRect(grid.model()->index(0, 0));
    const QPoint background(row.right() - 8, row.center().y());
    QVERIFY(Grab(*grid.viewport()).pixelColor(background) != inactive);

    window.other.setFocus();
    QTRY_VERIFY(!grid.hasFocus());
    QTRY_COMPARE(Grab(*grid.viewport()).pixelColor(background), inactive);
    QVERIFY(Grab(*grid.viewport()).pixelColor(background.x(), grid.visualRect(grid.model()->index(1, 0)).center().y()) !=
            inactive);  // only the focused row

    grid.setFocus();
    QTRY_VERIFY(Grab(*grid.viewport()).pixelColor(background) != inactive);
}

void ResultGridTest::focusChangeReportsTheRecord_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("path");
    QTest::newRow("click on the third row") << "click 2" << -1 << 2 << "3/12" << "/src/ui/form.pas";
    QTest::newRow("first down arrow focuses the top row") << "down 1" << -1 << 0 << "1/12" << "/src/app/main.pas";
    QTest::newRow("down arrow three times") << "down 3" << -1 << 2 << "3/12" << "/src/ui/form.pas";
    QTest::newRow("end key") << "end" << -1 << 11 << "12/12" << "/src/net/net unit.pas";
    QTest::newRow("incremental search") << "type he" << -1 << 10 << "11/12" << "/doc/help.pas";
    QTest::newRow("incremental search with a space") << "type net u" << -1 << 11 << "12/12" << "/src/net/net unit.pas";
    QTest::newRow("incremental search ignores ascii case") << "type DAT" << -1 << 3 << "4/12" << "/src/db/data.pas";
    QTest::newRow("click after sorting by name") << "click 1" << 0 << 1 << "2/12" << "/src/unit1.pas";
    QTest::newRow("incremental search after sorting") << "type e" << 0 << 8 << "9/12" << "/src/ui/edit.pas";
}

void ResultGridTest::focusChangeReportsTheRecord() {
    QFETCH(QString, action);
    QFETCH(int, sortColumn);
    QFETCH(int, record);
    QFETCH(QString, counter);
    QFETCH(QString, path);

    TestWindow window;
    TResultGrid& grid = window.grid;
    WindowHarness harness(grid);
    AddHits(grid, TwelveHits());
    if (sortColumn >= 0) grid.sortByColumn(sortColumn, Qt::DescendingOrder);
    QVERIFY(ShowAndActivate(window));
    QSignalSpy focused(&grid, &TResultGrid::FocusedRecordChanged);

    const QString verb = action.section(' ', 0, 0);
    const QString argument = action.section(' ', 1);
    if (verb == "click") {
        ClickRow(grid, argument.toInt());
    } else if (verb == "down") {
        for (int i = 0; i < argument.toInt(); ++i) QTest::keyClick(&grid, Qt::Key_Down);
    } else if (verb == "end") {
        QTest::keyClick(&grid, Qt::Key_End);
    } else {
        QTest::keyClicks(&grid, argument);
    }

    QVERIFY(!focused.isEmpty());
    QCOMPARE(focused.last().at(0).toInt(), record);
    QCOMPARE(grid.FocusedRecord(), record);
    QCOMPARE(harness.counter, counter);
    QCOMPARE(harness.path, path);
    // The focused row is the one highlighted row.
    const QModelIndexList selected = grid.selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.at(0).row(), grid.currentIndex().row());
}

void ResultGridTest::counterAfterSortShowsTheOrderFound() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    WindowHarness harness(grid);
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));

    ClickHeader(grid, 0);
    ClickRow(grid, 0);
    QCOMPARE(grid.FocusedRecord(), 6);
    QCOMPARE(harness.counter, QStringLiteral("7/12"));
    QCOMPARE(harness.path, QStringLiteral("/src/ui/about.pas"));
    QCOMPARE(grid.RecordCount(), 12);  // sorting changed the view, not the store
    QCOMPARE(grid.Value(0, 0), std::string("main.pas"));
}

void ResultGridTest::headerClickTogglesTheSortDirection() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));
    ClickRow(grid, 4);
    QSignalSpy focused(&grid, &TResultGrid::FocusedRecordChanged);

    ClickHeader(grid, 0);
    QCOMPARE(NamesInViewOrder(grid).first(), QStringLiteral("about.pas"));
    QCOMPARE(NamesInViewOrder(grid).last(), QStringLiteral("zip.pas"));
    ClickHeader(grid, 0);
    QCOMPARE(grid.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(NamesInViewOrder(grid).first(), QStringLiteral("zip.pas"));
    QStringList sorted = NamesInViewOrder(grid);
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    QCOMPARE(NamesInViewOrder(grid), sorted);
    // Sorting leaves the focus on its record.
    QCOMPARE(grid.FocusedRecord(), 4);
    QCOMPARE(focused.count(), 0);
}

void ResultGridTest::arrowKeysOnlyMoveTheFocus() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));

    QTest::keyClicks(&grid, "m");
    QCOMPARE(grid.FocusedRecord(), 0);  // main.pas
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.FocusedRecord(), 1);
    // The arrow ended the search: "a" starts a new one instead of making "ma".
    QTest::keyClicks(&grid, "a");
    QCOMPARE(grid.FocusedRecord(), 6);  // about.pas
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(grid.FocusedRecord(), 5);
}

void ResultGridTest::escapeRestartsIncrementalSearch() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));

    QTest::keyClicks(&grid, "m");
    QCOMPARE(grid.FocusedRecord(), 0);
    QTest::keyClicks(&grid, "q");  // "mq" matches nothing: the focus stays
    QCOMPARE(grid.FocusedRecord(), 0);
    QTest::keyClick(&grid, Qt::Key_Escape);
    QTest::keyClicks(&grid, "a");
    QCOMPARE(grid.FocusedRecord(), 6);
}

void ResultGridTest::incrementalSearchLooksInTheFocusedColumn() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));
    QSignalSpy focused(&grid, &TResultGrid::FocusedRecordChanged);

    ClickRow(grid, 0);
    QTest::keyClick(&grid, Qt::Key_Right);  // onto the "Path" cell of the same row
    QCOMPARE(grid.currentIndex().column(), 1);
    QCOMPARE(focused.count(), 1);  // the record did not change
    QTest::keyClicks(&grid, "/doc");
    QCOMPARE(grid.FocusedRecord(), 10);
    QCOMPARE(grid.currentIndex().column(), 1);
}

void ResultGridTest::rowsShownCountsOnlyRowsPassingTheFilter() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    WindowHarness harness(grid);
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));
    QCOMPARE(grid.RowsShown(), 12);

    grid.SetColumnFilter(1, {"/src/ui/", "/doc/"});
    QVERIFY(grid.IsColumnFiltered(1));
    QCOMPARE(grid.RowsShown(), 5);
    QCOMPARE(grid.RecordCount(), 12);
    ClickRow(grid, 4);
    QCOMPARE(grid.FocusedRecord(), 10);
    QCOMPARE(harness.counter, QStringLiteral("11/5"));  // record index / rows shown

    // Records just appended count at once, if they pass the filter.
    AddHit(grid, "new.pas", "/doc/");
    AddHit(grid, "other.pas", "/elsewhere/");
    QCOMPARE(grid.RowsShown(), 6);
    grid.ShowAppendedRecords();
    QCOMPARE(grid.model()->rowCount(), 6);

    grid.ClearColumnFilter(1);
    QVERIFY(!grid.IsColumnFiltered(1));
    QCOMPARE(grid.RowsShown(), 14);
}

void ResultGridTest::filterDropDownFiltersAndClears() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, TwelveHits());
    AddHits(grid, {{"main.pas", "/old/"}});
    QVERIFY(ShowAndActivate(window));
    QWidget* headerPort = grid.horizontalHeader()->viewport();
    const QRect button = grid.Header().FilterButtonRect(0);
    QVERIFY(!button.isEmpty());
    const QImage plainButton = Grab(*headerPort).copy(button);
    QSignalSpy mouseUp(&grid, &TResultGrid::MouseUp);

    QTest::mouseClick(headerPort, Qt::LeftButton, {}, button.center());
    auto* popup = qobject_cast<fif::TResultFilterPopup*>(QApplication::activePopupWidget());
    QVERIFY(popup != nullptr);
    QCOMPARE(grid.horizontalHeader()->sortIndicatorSection(), -1);  // the button does not sort
    QCOMPARE(mouseUp.count(), 1);
    QListWidget& list = popup->List();
    QCOMPARE(list.count(), 1 + 12);  // "(All)" and the distinct names
    QCOMPARE(list.item(0)->text(), QStringLiteral("(All)"));
    QCOMPARE(list.item(1)->text(), QStringLiteral("about.pas"));
    for (int row = 0; row < list.count(); ++row) QCOMPARE(list.item(row)->checkState(), Qt::Checked);

    list.item(0)->setCheckState(Qt::Unchecked);  // "(All)" off: every value off
    QCOMPARE(list.item(5)->checkState(), Qt::Unchecked);
    QCOMPARE(grid.RowsShown(), 0);
    const QList<QListWidgetItem*> main = list.findItems("main.pas", Qt::MatchExactly);
    QCOMPARE(main.size(), 1);
    main.at(0)->setCheckState(Qt::Checked);
    QCOMPARE(list.item(0)->checkState(), Qt::PartiallyChecked);
    QCOMPARE(grid.RowsShown(), 2);
    QVERIFY(grid.IsColumnFiltered(0));
    popup->close();
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);

    // The header shows the active filter.
    QTRY_VERIFY(Grab(*headerPort).copy(button) != plainButton);

    // Opened again, the drop-down shows the filter; "(All)" clears it.
    QTest::mouseClick(headerPort, Qt::LeftButton, {}, button.center());
    popup = qobject_cast<fif::TResultFilterPopup*>(QApplication::activePopupWidget());
    QVERIFY(popup != nullptr);
    QCOMPARE(popup->List().item(0)->checkState(), Qt::PartiallyChecked);
    QCOMPARE(popup->List().findItems("main.pas", Qt::MatchExactly).at(0)->checkState(), Qt::Checked);
    QCOMPARE(popup->List().findItems("zip.pas", Qt::MatchExactly).at(0)->checkState(), Qt::Unchecked);
    popup->List().item(0)->setCheckState(Qt::Checked);
    QVERIFY(!grid.IsColumnFiltered(0));
    QCOMPARE(grid.RowsShown(), 13);
    QCOMPARE(popup->List().findItems("zip.pas", Qt::MatchExactly).at(0)->checkState(), Qt::Checked);
    QTest::keyClick(&popup->List(), Qt::Key_Escape);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QTRY_COMPARE(Grab(*headerPort).copy(button), plainButton);
}

void ResultGridTest::filteringAwayTheFocusedRowMovesTheFocus() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    WindowHarness harness(grid);
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));
    ClickRow(grid, 2);
    QSignalSpy focused(&grid, &TResultGrid::FocusedRecordChanged);

    QStringList allButForm;
    for (const Hit& hit : TwelveHits()) {
        if (std::string(hit.name) != "form.pas") allButForm << hit.name;
    }
    grid.SetColumnFilter(0, allButForm);
    QCOMPARE(focused.count(), 1);
    const int moved = focused.last().at(0).toInt();
    QVERIFY(moved >= 0 && moved != 2);
    QCOMPARE(grid.FocusedRecord(), moved);
    // Reported once the row has gone, so that the counter counts the rows still shown.
    QCOMPARE(harness.counter, QStringLiteral("%1/11").arg(moved + 1));
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid.selectionModel()->selectedRows().at(0).row(), grid.currentIndex().row());

    grid.SetColumnFilter(0, {});  // nothing passes
    QCOMPARE(focused.count(), 2);
    QCOMPARE(focused.last().at(0).toInt(), -1);
    QCOMPARE(grid.FocusedRecord(), -1);
}

void ResultGridTest::focusStaysOnItsRecordWhileRowsArriveSorted() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, TwelveHits());
    grid.sortByColumn(1, Qt::AscendingOrder);
    QVERIFY(ShowAndActivate(window));
    ClickRow(grid, 3);
    const int record = grid.FocusedRecord();
    QVERIFY(record >= 0);
    QSignalSpy focused(&grid, &TResultGrid::FocusedRecordChanged);

    for (int i = 0; i < 600; ++i) {
        const int n = (i * 7919) % 1000;
        AddHit(grid, "f" + std::to_string(n) + ".pas", "/src/" + std::string(1, char('a' + n % 26)) + "/");
        if (i % 50 == 0) QCoreApplication::processEvents();  // the announcements of a real search
        if (i == 300) ClickHeader(grid, 1);  // the user turns the sort round meanwhile
    }
    QTRY_COMPARE_WITH_TIMEOUT(grid.model()->rowCount(), 612, 10000);
    QCOMPARE(grid.FocusedRecord(), record);
    QCOMPARE(focused.count(), 0);
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid.Proxy().RecordOfRow(grid.selectionModel()->selectedRows().at(0).row()), record);

    // Still in order, now descending by path.
    for (int row = 1; row < grid.model()->rowCount(); ++row) {
        const std::string above = grid.Value(grid.Proxy().RecordOfRow(row - 1), 1);
        const std::string below = grid.Value(grid.Proxy().RecordOfRow(row), 1);
        QVERIFY2(fif::TResultFilterProxy::CompareTexts(above, below) >= 0, qPrintable(QString::number(row)));
    }
}

void ResultGridTest::noRowIsFocusedByItself() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    QVERIFY(ShowAndActivate(window));
    grid.setFocus();
    QTRY_VERIFY(grid.hasFocus());
    QSignalSpy focused(&grid, &TResultGrid::FocusedRecordChanged);

    for (int i = 0; i < 40; ++i) AddHit(grid, "f" + std::to_string(i) + ".pas", "/src/");
    QTRY_COMPARE_WITH_TIMEOUT(grid.model()->rowCount(), 40, 10000);
    // The keyboard focus comes back to the list, as when the window is activated again.
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&grid, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&grid, &in);
    window.other.setFocus();
    grid.setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();

    QCOMPARE(grid.FocusedRecord(), -1);
    QVERIFY(!grid.currentIndex().isValid());
    QCOMPARE(focused.count(), 0);
}

void ResultGridTest::clearLeavesNoRowFocused() {
    TestWindow window;
    TResultGrid& grid = window.grid;
    WindowHarness harness(grid);
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));
    ClickRow(grid, 5);
    QCOMPARE(harness.path, QStringLiteral("/src/lib/tools.pas"));
    QSignalSpy focused(&grid, &TResultGrid::FocusedRecordChanged);

    AddHit(grid, "waiting.pas", "/src/");  // not yet shown when the list is emptied
    grid.Clear();
    QCOMPARE(focused.count(), 1);
    QCOMPARE(focused.last().at(0).toInt(), -1);
    QCOMPARE(grid.FocusedRecord(), -1);
    QCOMPARE(grid.RecordCount(), 0);
    QCOMPARE(grid.RowsShown(), 0);
    QCOMPARE(harness.path, QStringLiteral("/src/lib/tools.pas"));  // the window keeps the last path

    // The next search fills the list again with no row focused.
    AddHits(grid, TwelveHits());
    QCOMPARE(grid.FocusedRecord(), -1);
    QCOMPARE(focused.count(), 1);
    QCOMPARE(grid.RowsShown(), 12);
}

void ResultGridTest::noDataTextWhenNoRowIsShown() {
    QCOMPARE(TResultGrid::NoDataText(), QStringLiteral("<데이타 없음>"));
    TestWindow window;
    TResultGrid& grid = window.grid;
    QVERIFY(ShowAndActivate(window));
    const QRect band(0, 0, grid.viewport()->width(), 40);
    QVERIFY(InkIn(Grab(*grid.viewport()), band) > 20);

    AddHits(grid, {{"", ""}, {"", ""}});  // rows without any text of their own
    QTRY_COMPARE(InkIn(Grab(*grid.viewport()), band), 0);

    grid.SetColumnFilter(0, {"nothing.pas"});  // rows exist, none shown
    QTRY_VERIFY(InkIn(Grab(*grid.viewport()), band) > 20);
}

void ResultGridTest::mouseUpForEveryButtonAndPlace_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("right on a row") << "row" << Qt::RightButton;
    QTest::newRow("right on a header") << "header" << Qt::RightButton;
    QTest::newRow("right on the empty part") << "empty" << Qt::RightButton;
    QTest::newRow("left on a row") << "row" << Qt::LeftButton;
    QTest::newRow("left on a header") << "header" << Qt::LeftButton;
    QTest::newRow("middle on the empty part") << "empty" << Qt::MiddleButton;
}

void ResultGridTest::mouseUpForEveryButtonAndPlace() {
    QFETCH(QString, place);
    QFETCH(Qt::MouseButton, button);
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, {{"a.pas", "/src/"}, {"b.pas", "/src/"}});
    QVERIFY(ShowAndActivate(window));
    QSignalSpy mouseUp(&grid, &TResultGrid::MouseUp);
    QSignalSpy doubleClicks(&grid, &TResultGrid::DblClick);

    if (place == "row") {
        ClickRow(grid, 1, button);
        QCOMPARE(grid.FocusedRecord(), 1);  // the press focused the row first
    } else if (place == "header") {
        QTest::mouseClick(grid.horizontalHeader()->viewport(), button, {}, HeaderCaption(grid, 0));
    } else {
        const QPoint below(20, grid.visualRect(grid.model()->index(1, 0)).bottom() + 40);
        QVERIFY(grid.viewport()->rect().contains(below));
        QVERIFY(!grid.indexAt(below).isValid());
        QTest::mouseClick(grid.viewport(), button, {}, below);
    }
    QCOMPARE(mouseUp.count(), 1);
    QCOMPARE(mouseUp.at(0).at(0).value<Qt::MouseButton>(), button);
    QCOMPARE(doubleClicks.count(), 0);
}

void ResultGridTest::doubleClickOpensThePathShown() {
    opened_.clear();
    TestWindow window;
    TResultGrid& grid = window.grid;
    WindowHarness harness(grid);
    AddHits(grid, TwelveHits());
    QVERIFY(ShowAndActivate(window));
    QSignalSpy doubleClicks(&grid, &TResultGrid::DblClick);

    QTest::mouseDClick(grid.viewport(), Qt::RightButton, {}, RowCenter(grid, 1));
    QCOMPARE(doubleClicks.count(), 0);  // only the left button double-clicks
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, RowCenter(grid, 1));
    QCOMPARE(doubleClicks.count(), 1);
    QCOMPARE(opened_, QStringList{"/src/unit1.pas"});

    // After the list was emptied, a double-click on it opens the path still shown.
    grid.Clear();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(20, 40));
    QCOMPARE(doubleClicks.count(), 2);
    QCOMPARE(opened_, QStringList({"/src/unit1.pas", "/src/unit1.pas"}));
}

void ResultGridTest::cellHintShowsCutOffText_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("hint");
    const QString longName = QStringLiteral("a_file_name_far_too_long_for_its_column_of_217_pixels.pas");
    QTest::newRow("long name") << 0 << longName << "/src/" << true;
    QTest::newRow("short name") << 0 << "a.pas" << "/src/" << false;
    QTest::newRow("path cut off by the edge of the list") << 1 << "a.pas" << "/src/some/folder/" << true;
}

void ResultGridTest::cellHintShowsCutOffText() {
    QFETCH(int, column);
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(bool, hint);
    TestWindow window;
    TResultGrid& grid = window.grid;
    AddHits(grid, {{"", ""}});
    grid.SetValue(0, 0, name.toStdString());
    grid.SetValue(0, 1, folder.toStdString());
    QVERIFY(ShowAndActivate(window));
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());

    const QRect cell = grid.visualRect(grid.model()->index(0, column)).intersected(grid.viewport()->rect());
    const QPoint at = cell.center();
    QHelpEvent event(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid.viewport(), &event);
    if (hint) {
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), column == 0 ? name : folder);
    } else {
        QTest::qWait(50);
        QVERIFY(!QToolTip::isVisible());
    }
    QToolTip::hideText();
}

void ResultGridTest::valuesComeBackAsTheBytesSet() {
    TResultGrid grid;
    const std::string raw = "\xb0\xa1\xb3\xaa.pas";  // code page 949 bytes, not UTF-8
    AddHit(grid, raw, "/src/\xff/");
    QCOMPARE(grid.RecordCount(), 1);
    QCOMPARE(grid.Value(0, 0), raw);
    QCOMPARE(grid.Value(0, 1), std::string("/src/\xff/"));
    QCOMPARE(grid.Value(0, 2), std::string());
    QCOMPARE(grid.Value(5, 0), std::string());
    grid.ShowAppendedRecords();
    QCOMPARE(grid.model()->index(0, 0).data().toString(),
             QString::fromStdU16String(fif::codepage::ToWide(raw)));
}

QTEST_MAIN(ResultGridTest)
#include "result_grid_test.moc"
