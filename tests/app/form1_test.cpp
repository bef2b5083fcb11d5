#include "app/Form1.h"
#include "app/application.h"
#include "app/dock_splitter.h"
#include "app/error_box.h"
#include "app/status_bar.h"
#include "platform/file_opener.h"
#include "platform/thread_base.h"
#include "browser/shell_combo.h"
#include "browser/shell_list.h"
#include "browser/shell_tree.h"
#include "results/adv_memo.h"
#include "results/result_grid.h"
#include "results/memo_styler.h"
#include "results/style_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace fif;

namespace {

// Geometry of a widget in the window's coordinates.
QRect InWindow(QWidget* widget) { return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()); }

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void Drag(QWidget* handle, QPoint from, QPoint to, bool escapeBeforeRelease = false) {
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    if (escapeBeforeRelease) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(handle, &escape);
    }
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsIdleWithItsInitialTexts();
    void designGeometry();
    void enlargingWidensOnlyTheRightColumnAndHeightensOnlyTheLowerBand();
    void splitterStopsAtThirtyPixels();
    void escapeCancelsASplitterDrag();
    void collapseHandleHidesAndRestoresTheRegion();
    void tabOrderRunsLowerBandUpperBandThenCombo();
    void searchRunsFromFindToFinished();
    void enterStartsASearchAndIsNotTyped();
    void enterWhileSearchingStartsNoSecondSearch();
    void cancelDuringTheWalkEndsWithNoRows();
    void cancelDuringTheScanKeepsTheRowsFound();
    void searchAtStartWalksTheDesktopFolder();
    void errorBoxText_data();
    void errorBoxText();
    void failureEscapingAHandlerIsShownAndTheProgramGoesOn();
    void closingDuringASearchEndsAtOnceAndTouchesNothing();
    void stylesAreRegisteredAtCreationAndReleasedAtClose();
    void clickOnARowShowsItsPathAndLoadsThePreview();
    void refusedThreadIsReportedAndFindWorksAgain();

private:
    TForm1* NewWindow();
    void WaitUntilIdle(TForm1* window);
    void MakeDesktopFiles(int count, int everyNthHits);

    std::unique_ptr<QTemporaryDir> home_;
    TForm1* window_ = nullptr;
    QStringList errors_;
};

void Form1Test::init() {
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", home_->path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DESKTOP_DIR");
    QDir(home_->path()).mkpath(QStringLiteral("Desktop"));
    errors_.clear();
    SetErrorBoxForTesting([this](const QString& text) { errors_ << text; });
    SetFileOpenerForTesting([](const QString&) {});  // never a real program
}

void Form1Test::cleanup() {
    delete window_;
    window_ = nullptr;
    QTRY_COMPARE_WITH_TIMEOUT(TThread::RunningThreads(), 0, 20000);
    SetErrorBoxForTesting(nullptr);
    SetFileOpenerForTesting(nullptr);
}

TForm1* Form1Test::NewWindow() {
    window_ = new TForm1();
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_)) qWarning("window not active");
    return window_;
}

void Form1Test::WaitUntilIdle(TForm1* window) {
    QTRY_VERIFY_WITH_TIMEOUT(window->cxButton2->isEnabled(), 60000);
}

void Form1Test::MakeDesktopFiles(int count, int everyNthHits) {
    for (int i = 0; i < count; ++i)
        WriteFile(home_->filePath(QStringLiteral("Desktop/f%1.pas").arg(i)),
                  i % everyNthHits == 0 ? "x\nbegin NEEDLE end\n" : "x\nnothing\n");
}

void Form1Test::startsIdleWithItsInitialTexts() {
    TForm1* w = NewWindow();
    QCOMPARE(Form1, w);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->SearchEdit));
    QVERIFY(w->cxButton2->isEnabled());
    QVERIFY(!w->cxButton3->isEnabled());
    QVERIFY(w->CHKBOX_SubDirectory->isChecked());
    QCOMPARE(w->MaskEdit->text(), QStringLiteral("*.pas"));
    QCOMPARE(w->SearchEdit->text(), QString());
    QCOMPARE(w->dxStatusBar1->PanelText(0), QStringLiteral("디렉토리"));
    QCOMPARE(w->dxStatusBar1->PanelText(2), QString());
    QCOMPARE(w->cxTextEdit1->text(), QString());
    QVERIFY(w->cxTextEdit1->isReadOnly());
    QCOMPARE(w->cxTextEdit1->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(w->cxTextEdit1->font().pixelSize(), 11);
    QCOMPARE(w->dxStatusBar1->font().pixelSize(), 11);
    QCOMPARE(w->cxProgressBar1->Position(), 0.0);
    QCOMPARE(w->windowTitle(), QStringLiteral("화일에서 지정한 문자열 찾아 내기"));
    QCOMPARE(w->cxImageComboBox1->currentText(), QStringLiteral("Icon"));
    QCOMPARE(w->cxButton1->text(), QStringLiteral("다음 찾기"));
    QCOMPARE(w->cxButton1->focusPolicy(), Qt::NoFocus);
}

void Form1Test::designGeometry() {
    TForm1* w = NewWindow();
    QCOMPARE(w->size(), QSize(942, 538));
    QCOMPARE(InWindow(w->Panel9), QRect(0, 0, 942, 25));
    QCOMPARE(InWindow(w->Panel1), QRect(0, 25, 942, 143));
    QCOMPARE(InWindow(w->Panel2), QRect(0, 174, 942, 364));
    QCOMPARE(InWindow(w->Panel3).width(), 237);
    QCOMPARE(InWindow(w->Panel4).x(), 243);
    QCOMPARE(InWindow(w->Panel4).width(), 699);
    QCOMPARE(InWindow(w->Panel5).height(), 27);
    QCOMPARE(InWindow(w->cxGrid1), QRect(0, 174, 237, 344));
    QCOMPARE(InWindow(w->Panel7), QRect(243, 174, 699, 344));
    QCOMPARE(InWindow(w->Panel8).height(), 27);
    QCOMPARE(InWindow(w->dxStatusBar1), QRect(0, 518, 942, 20));

    const struct {
        QWidget* control;
        QRect place;
    } bar[] = {{w->MaskEdit, {0, 4, 121, 21}},        {w->SearchEdit, {127, 4, 187, 21}},
               {w->cxButton2, {320, 1, 75, 25}},      {w->cxButton3, {396, 1, 75, 25}},
               {w->CHKBOX_SubDirectory, {472, 3, 106, 21}}, {w->cxImageComboBox1, {584, 5, 111, 21}},
               {w->FindNextEdit, {0, 2, 187, 21}},    {w->cxButton1, {192, 0, 159, 25}}};
    for (const auto& [control, place] : bar) QCOMPARE(control->geometry(), place);

    QCOMPARE(w->dxStatusBar1->Panel(0)->width(), 50);
    QCOMPARE(w->dxStatusBar1->Panel(2)->width(), 100);
    QCOMPARE(w->dxStatusBar1->Panel(3)->width(), 300);
    QVERIFY(w->dxStatusBar1->Panel(1)->width() > 400);
}

void Form1Test::enlargingWidensOnlyTheRightColumnAndHeightensOnlyTheLowerBand() {
    TForm1* w = NewWindow();
    QWidget* widened[] = {w->Panel6, w->Panel7, w->dxStatusBar1->Panel(1)};
    QWidget* kept[] = {w->Panel3, w->cxGrid1, w->dxStatusBar1->Panel(0), w->dxStatusBar1->Panel(2),
                       w->dxStatusBar1->Panel(3)};
    QList<int> before, keptBefore;
    for (QWidget* part : widened) before << part->width();
    for (QWidget* part : kept) keptBefore << part->width();
    const int selectorX = w->cxImageComboBox1->x();
    const int bandHeight = w->Panel1->height(), gridHeight = w->cxGrid1->height();

    w->resize(1042, 638);
    QTRY_COMPARE(w->Panel6->width(), before[0] + 100);
    for (int i = 0; i < 3; ++i) QCOMPARE(widened[i]->width(), before[i] + 100);
    for (int i = 0; i < 5; ++i) QCOMPARE(kept[i]->width(), keptBefore[i]);
    QCOMPARE(w->cxImageComboBox1->x(), selectorX + 100);
    QCOMPARE(w->MaskEdit->x(), 0);
    QCOMPARE(w->Panel1->height(), bandHeight);
    QCOMPARE(w->cxGrid1->height(), gridHeight + 100);
    QCOMPARE(w->Panel7->height(), gridHeight + 100);
    QCOMPARE(w->dxStatusBar1->height(), 20);
}

void Form1Test::splitterStopsAtThirtyPixels() {
    TForm1* w = NewWindow();
    struct {
        TcxSplitter* splitter;
        QWidget* region;
        bool horizontal;
    } cases[] = {{w->cxSplitter1, w->Panel3, true}, {w->cxSplitter2, w->Panel1, false}, {w->cxSplitter3, w->cxGrid1, true}};
    for (const auto& c : cases) {
        QWidget* handle = c.splitter->handle(1);
        const QPoint grip(handle->width() / 2, 5);  // off the collapse handle's middle
        const QPoint far = c.horizontal ? QPoint(-500, 5) : QPoint(3, -500);
        Drag(handle, c.horizontal ? grip : QPoint(3, handle->height() / 2), far);
        QCOMPARE(c.horizontal ? c.region->width() : c.region->height(), TcxSplitter::kMinimumRegion);
    }
}

void Form1Test::escapeCancelsASplitterDrag() {
    TForm1* w = NewWindow();
    QWidget* handle = w->cxSplitter1->handle(1);
    Drag(handle, QPoint(3, 5), QPoint(103, 5), /*escapeBeforeRelease=*/true);
    QCOMPARE(w->Panel3->width(), 237);
    Drag(handle, QPoint(3, 5), QPoint(103, 5));
    QCOMPARE(w->Panel3->width(), 337);
}

void Form1Test::collapseHandleHidesAndRestoresTheRegion() {
    TForm1* w = NewWindow();
    for (auto [splitter, region] : {std::pair<TcxSplitter*, QWidget*>{w->cxSplitter1, w->Panel3}, {w->cxSplitter3, w->cxGrid1}}) {
        auto* handle = static_cast<TcxSplitterHandle*>(splitter->handle(1));
        const QPoint middle = handle->CollapseZone().center();
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, middle);
        QTRY_COMPARE(region->width(), 0);
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, middle);
        QTRY_COMPARE(region->width(), 237);
    }
    QVERIFY(w->cxSplitter2->handle(1) && static_cast<TcxSplitterHandle*>(w->cxSplitter2->handle(1))->CollapseZone().isNull());
}

void Form1Test::tabOrderRunsLowerBandUpperBandThenCombo() {
    TForm1* w = NewWindow();
    QWidget* expected[] = {w->FindNextEdit, w->AdvMemo1,   w->cxGrid1,          w->JamShellTree1,
                           w->cxButton2,    w->MaskEdit,   w->SearchEdit,       w->cxImageComboBox1,
                           w->cxButton3,    w->CHKBOX_SubDirectory, w->JamShellList1, w->JamShellCombo1,
                           w->FindNextEdit};
    // Follow the chain of focusable widgets as Tab does.
    QWidget* at = w->FindNextEdit;
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        QWidget* next = at->nextInFocusChain();
        while (next != expected[i] && next != at && !(next->focusPolicy() & Qt::TabFocus && next->isEnabled() &&
                                                        next->isVisible() && next->focusProxy() == nullptr &&
                                                        std::find(std::begin(expected), std::end(expected), next) != std::end(expected)))
            next = next->nextInFocusChain();
        QCOMPARE(next, expected[i]);
        at = next;
    }
}

void Form1Test::searchRunsFromFindToFinished() {
    MakeDesktopFiles(20, 1);
    for (int i : {3, 7, 11}) WriteFile(home_->filePath(QStringLiteral("Desktop/f%1.pas").arg(i)), "no match here");
    WriteFile(home_->filePath(QStringLiteral("Desktop/other.txt")), "needle");
    TForm1* w = NewWindow();
    w->SearchEdit->setText(QStringLiteral("needle"));
    QTest::mouseClick(w->cxButton2, Qt::LeftButton);
    QVERIFY(!w->cxButton2->isEnabled());
    QVERIFY(w->cxButton3->isEnabled());
    QCOMPARE(w->dxStatusBar1->PanelText(0), QStringLiteral("1/0"));
    WaitUntilIdle(w);
    QCOMPARE(w->cxGrid1TableView1->RecordCount(), 17);
    QCOMPARE(w->dxStatusBar1->PanelText(0), QStringLiteral("1/17"));
    QVERIFY(!w->cxButton3->isEnabled());
    QCOMPARE(w->cxProgressBar1->Position(), 0.0);
    QCOMPARE(w->cxProgressBar1->Max(), 19.0);
    const std::string desktop = home_->filePath(QStringLiteral("Desktop/")).toStdString();
    for (int r = 0; r < 17; ++r) QCOMPARE(w->cxGrid1TableView1->Value(r, 1), desktop);
}

void Form1Test::enterStartsASearchAndIsNotTyped() {
    MakeDesktopFiles(3, 1);
    TForm1* w = NewWindow();
    w->SearchEdit->setText(QStringLiteral("needle"));
    w->SearchEdit->setFocus();
    QTest::keyClick(w->SearchEdit, Qt::Key_Return);
    QVERIFY(!w->cxButton2->isEnabled());
    QCOMPARE(w->SearchEdit->text(), QStringLiteral("needle"));
    WaitUntilIdle(w);
    QCOMPARE(w->cxGrid1TableView1->RecordCount(), 3);
    QTest::keyClick(w->SearchEdit, Qt::Key_A);  // other keys are typed as usual
    QCOMPARE(w->SearchEdit->text(), QStringLiteral("needlea"));
}

void Form1Test::enterWhileSearchingStartsNoSecondSearch() {
    MakeDesktopFiles(400, 2);  // 400 candidates with the 1 ms pause: the search runs a while
    TForm1* w = NewWindow();
    w->SearchEdit->setText(QStringLiteral("needle"));
    QTest::keyClick(w->SearchEdit, Qt::Key_Return);
    QVERIFY(!w->cxButton2->isEnabled());
    QTest::keyClick(w->SearchEdit, Qt::Key_Return);
    QCOMPARE(TThread::RunningThreads(), 1);
    QCOMPARE(w->SearchEdit->text(), QStringLiteral("needle"));
    WaitUntilIdle(w);
    QCOMPARE(w->cxGrid1TableView1->RecordCount(), 200);
}

void Form1Test::cancelDuringTheWalkEndsWithNoRows() {
    MakeDesktopFiles(50, 1);
    TForm1* w = NewWindow();
    w->SearchEdit->setText(QStringLiteral("needle"));
    // The worker waits for the root on this thread, so the stop lands before the walk
    // has taken its second entry.
    w->Button1Click();
    w->cxButton3Click();
    w->cxButton3Click();  // twice is as once
    WaitUntilIdle(w);
    QCOMPARE(w->cxGrid1TableView1->RecordCount(), 0);
    QCOMPARE(w->dxStatusBar1->PanelText(0), QStringLiteral("1/0"));
    QVERIFY(!w->cxButton3->isEnabled());
}

void Form1Test::cancelDuringTheScanKeepsTheRowsFound() {
    MakeDesktopFiles(400, 1);
    TForm1* w = NewWindow();
    w->SearchEdit->setText(QStringLiteral("needle"));
    QTest::mouseClick(w->cxButton2, Qt::LeftButton);
    QTRY_VERIFY(w->cxGrid1TableView1->RecordCount() >= 1);
    QTest::mouseClick(w->cxButton3, Qt::LeftButton);
    WaitUntilIdle(w);
    const int rows = w->cxGrid1TableView1->RecordCount();
    QVERIFY(rows >= 1 && rows < 400);
    QCOMPARE(w->dxStatusBar1->PanelText(0), QStringLiteral("1/%1").arg(rows));
    QCOMPARE(w->cxProgressBar1->Position(), 0.0);
}

void Form1Test::searchAtStartWalksTheDesktopFolder() {
    WriteFile(home_->filePath(QStringLiteral("Desktop/sub/deep.pas")), "needle");
    WriteFile(home_->filePath(QStringLiteral("outside.pas")), "needle");
    TForm1* w = NewWindow();
    w->SearchEdit->setText(QStringLiteral("needle"));
    w->Button1Click();
    WaitUntilIdle(w);
    QCOMPARE(w->cxGrid1TableView1->RecordCount(), 1);
    QCOMPARE(w->cxGrid1TableView1->Value(0, 1), home_->filePath(QStringLiteral("Desktop/sub/")).toStdString());
}

void Form1Test::errorBoxText_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Disk full" << "Disk full.";
    QTest::newRow("dot") << "Disk full." << "Disk full.";
    QTest::newRow("bang") << "Disk full!" << "Disk full!";
    QTest::newRow("parenthesis") << "Disk full (C)" << "Disk full (C)";
    QTest::newRow("colon") << "Reason:" << "Reason:.";
    QTest::newRow("korean") << QStringLiteral("오류") << QStringLiteral("오류.");
    QTest::newRow("empty") << "" << "";
}

void Form1Test::errorBoxText() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorBoxText(message), shown);
}

// A file that vanished after the search cannot be previewed: its failure is shown and the
// window goes on.
void Form1Test::failureEscapingAHandlerIsShownAndTheProgramGoesOn() {
    MakeDesktopFiles(1, 1);
    TForm1* w = NewWindow();
    w->SearchEdit->setText(QStringLiteral("needle"));
    w->Button1Click();
    WaitUntilIdle(w);
    const QString path = home_->filePath(QStringLiteral("Desktop/f0.pas"));
    QVERIFY(QFile::remove(path));
    const QRect row = w->cxGrid1->visualRect(w->cxGrid1->model()->index(0, 0));
    QTest::mouseClick(w->cxGrid1->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(errors_.size(), 1);
    QCOMPARE(errors_[0], QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(path));
    QVERIFY(w->isVisible());
    QVERIFY(w->cxButton2->isEnabled());
}

void Form1Test::closingDuringASearchEndsAtOnceAndTouchesNothing() {
    MakeDesktopFiles(300, 3);
    for (int round = 0; round < 15; ++round) {
        TForm1* w = NewWindow();
        w->SearchEdit->setText(QStringLiteral("needle"));
        w->Button1Click();
        QTest::qWait(round);  // close at different points of the search
        w->close();
        QVERIFY(!w->isVisible());
        delete w;
        window_ = nullptr;
        QCOMPARE(Form1, nullptr);
    }
    QTRY_COMPARE_WITH_TIMEOUT(TThread::RunningThreads(), 0, 20000);
}

void Form1Test::stylesAreRegisteredAtCreationAndReleasedAtClose() {
    TForm1* w = NewWindow();
    QVERIFY(StyleRegistryEntries());
    QCOMPARE(StyleRegistryEntries()->size(), std::size_t(13));
    QCOMPARE(FindStyleForExtension(".pas"), w->AdvPascalMemoStyler1.data());
    w->close();
    QVERIFY(!w->AdvPascalMemoStyler1 && !w->AdvHTMLMemoStyler1 && !w->AdvPHPMemoStyler1);
    QVERIFY(w->AdvWebMemoStyler1);  // not registered: it goes with the window
    QCOMPARE(FindStyleForExtension(".pas"), nullptr);
}

void Form1Test::clickOnARowShowsItsPathAndLoadsThePreview() {
    MakeDesktopFiles(3, 1);
    TForm1* w = NewWindow();
    QTest::mouseClick(w->cxGrid1->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 200));
    QCOMPARE(w->FindNextEdit->text(), QString());  // an empty list: the release changes nothing
    w->SearchEdit->setText(QStringLiteral("needle"));
    w->Button1Click();
    WaitUntilIdle(w);
    const QRect row = w->cxGrid1->visualRect(w->cxGrid1->model()->index(1, 0));
    QTest::mouseClick(w->cxGrid1->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    const int record = w->cxGrid1TableView1->FocusedRecord();
    QCOMPARE(record, 1);
    const QString path = QString::fromStdString(w->cxGrid1TableView1->Value(1, 1) + w->cxGrid1TableView1->Value(1, 0));
    QCOMPARE(w->cxTextEdit1->text(), path);
    QCOMPARE(w->dxStatusBar1->PanelText(0), QStringLiteral("2/3"));
    QCOMPARE(w->FindNextEdit->text(), QStringLiteral("needle"));
    QCOMPARE(w->dxStatusBar1->PanelText(2), QStringLiteral("2 / 2 - 7"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->AdvMemo1));
}

void Form1Test::refusedThreadIsReportedAndFindWorksAgain() {
    MakeDesktopFiles(2, 1);
    TForm1* w = NewWindow();
    w->SearchEdit->setText(QStringLiteral("needle"));
    TThread::RefuseThreadsForTesting(true);
    QTest::mouseClick(w->cxButton2, Qt::LeftButton);  // the failure reaches the error box
    TThread::RefuseThreadsForTesting(false);
    QCOMPARE(errors_.size(), 1);
    QVERIFY2(errors_[0].startsWith(QStringLiteral("Thread creation error: ")), qPrintable(errors_[0]));
    QVERIFY(w->cxButton2->isEnabled());
    QVERIFY(!w->cxButton3->isEnabled());
    QTest::mouseClick(w->cxButton3, Qt::LeftButton);  // disabled, and there is no stale worker
    w->Button1Click();
    WaitUntilIdle(w);
    QCOMPARE(w->cxGrid1TableView1->RecordCount(), 2);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    Form1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "form1_test.moc"
