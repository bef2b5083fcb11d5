#include "app/Form1.h"

#include "app/accessibility.h"
#include "app/dock_splitter.h"
#include "app/error_box.h"
#include "app/fonts.h"
#include "app/status_bar.h"
#include "browser/shell_combo.h"
#include "browser/shell_link.h"
#include "browser/shell_list.h"
#include "browser/shell_tree.h"
#include "platform/file_opener.h"
#include "platform/qt_dispatcher.h"
#include "platform/qt_text.h"
#include "results/adv_memo.h"
#include "results/preview_pane.h"
#include "results/result_grid.h"
#include "results/style_catalogue.h"
#include "results/style_registry.h"
#include "search/MyThread.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fif {

TForm1* Form1 = nullptr;

namespace {

const QColor kInactiveFocusedRow(128, 128, 255);  // the result list's focused row while it lacks the focus

QWidget* MakePanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

QPushButton* MakeButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFlat(true);
    // A flat button still shows where it is: a thin frame, darker while pressed.
    button->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid #a0a0a0; border-radius: 2px; background: #f4f4f4; }"
        "QPushButton:hover { background: #e5f1fb; border-color: #0078d7; }"
        "QPushButton:pressed { background: #cce4f7; }"
        "QPushButton:disabled { color: #909090; border-color: #c8c8c8; }"));
    return button;
}

QVBoxLayout* FillLayout(QWidget* panel, int margin = 0) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    return layout;
}


}  // namespace

TForm1::TForm1() {
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    // An abandoned search may still ask the dispatcher for calls, which it refuses once
    // the window has closed.
    dispatcher_ = QtDispatcher::Create(this);
    CreateControls();
    LayOut();
    WireEvents();
    SetTabOrder();
    FormCreate();
    DescribeForScreenReaders(*this);
}

TForm1::~TForm1() {
    dispatcher_->CloseAndDetach();  // also when the window is destroyed without being closed
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::CreateControls() {
    setWindowTitle(QStringLiteral("화일에서 지정한 문자열 찾아 내기"));
    setGeometry(195, 273, 942, 538);
    setAutoFillBackground(true);

    Panel2 = MakePanel(this, "Panel2");
    Panel1 = MakePanel(this, "Panel1");
    Panel3 = MakePanel(Panel1, "Panel3");
    Panel4 = MakePanel(Panel1, "Panel4");
    Panel5 = MakePanel(Panel4, "Panel5");
    Panel6 = MakePanel(Panel4, "Panel6");
    Panel7 = MakePanel(Panel2, "Panel7");
    Panel8 = MakePanel(Panel7, "Panel8");
    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setLineWidth(1);
    Panel9 = bevel;
    Panel9->setObjectName(QStringLiteral("Panel9"));

    AdvMemo1 = new TAdvMemo(Panel7);
    AdvMemo1->setObjectName(QStringLiteral("AdvMemo1"));

    const TStyleCatalogue styles = CreateStyleCatalogue(this);
    QPointer<TAdvCustomMemoStyler>* members[] = {
        &AdvPascalMemoStyler1, &AdvWebMemoStyler1,   &AdvHTMLMemoStyler1,     &AdvJSMemoStyler1,  &AdvBasicMemoStyler1,
        &AdvCSSMemoStyler1,    &AdvCSharpMemoStyler1, &AdvSQLMemoStyler1,     &AdvPythonMemoStyler1, &AdvPerlMemoStyler1,
        &AdvEmoticonMemoStyler1, &AdvINIMemoStyler1,  &AdvXMLMemoStyler1,     &AdvPHPMemoStyler1};
    for (std::size_t i = 0; i < styles.size(); ++i) *members[i] = styles[i];

    cxButton2 = MakeButton(QStringLiteral("찾기"), Panel5);
    cxButton2->setObjectName(QStringLiteral("cxButton2"));
    cxSplitter1 = new TcxSplitter(Qt::Horizontal, true, Panel1);
    cxSplitter1->setObjectName(QStringLiteral("cxSplitter1"));
    cxButton1 = MakeButton(QStringLiteral("다음 찾기"), Panel8);
    cxButton1->setObjectName(QStringLiteral("cxButton1"));
    cxButton1->setFocusPolicy(Qt::NoFocus);
    cxSplitter2 = new TcxSplitter(Qt::Vertical, false, this);
    cxSplitter2->setObjectName(QStringLiteral("cxSplitter2"));
    cxSplitter3 = new TcxSplitter(Qt::Horizontal, true, Panel2);
    cxSplitter3->setObjectName(QStringLiteral("cxSplitter3"));
    MaskEdit = new QLineEdit(QStringLiteral("*.pas"), Panel5);
    MaskEdit->setObjectName(QStringLiteral("MaskEdit"));
    SearchEdit = new QLineEdit(Panel5);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    FindNextEdit = new QLineEdit(Panel8);
    FindNextEdit->setObjectName(QStringLiteral("FindNextEdit"));

    cxGrid1 = new TResultGrid(Panel2);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1TableView1 = cxGrid1;
    QFont cxStyle1 = fonts::Pixel(fonts::kTahoma, 13, true);
    cxGrid1->SetHeaderStyle(cxStyle1, palette().color(QPalette::WindowText));
    cxGrid1->SetInactiveStyle(kInactiveFocusedRow);

    cxTextEdit1 = new QLineEdit(this);
    cxTextEdit1->setObjectName(QStringLiteral("cxTextEdit1"));
    cxTextEdit1->setReadOnly(true);
    cxTextEdit1->setFont(fonts::Pixel(fonts::kArial, 11));
    cxTextEdit1->setFixedHeight(16);
    cxTextEdit1->setFrame(false);
    cxProgressBar1 = new TcxProgressBar(this);
    cxProgressBar1->setObjectName(QStringLiteral("cxProgressBar1"));
    dxStatusBar1 = new TdxStatusBar(cxTextEdit1, cxProgressBar1, Panel2);
    dxStatusBar1->setObjectName(QStringLiteral("dxStatusBar1"));
    dxStatusBar1->setFont(fonts::Pixel(fonts::kTahoma, 11));
    dxStatusBar1->SetPanelText(0, QStringLiteral("디렉토리"));

    cxImageComboBox1 = new QComboBox(Panel5);
    cxImageComboBox1->setObjectName(QStringLiteral("cxImageComboBox1"));
    for (const char* item : {"Icon", "SmallIcon", "List", "Report"})
        cxImageComboBox1->addItem(QString::fromLatin1(item), cxImageComboBox1->count());
    cxImageComboBox1->setCurrentIndex(0);
    cxButton3 = MakeButton(QStringLiteral("취소"), Panel5);
    cxButton3->setObjectName(QStringLiteral("cxButton3"));
    cxButton3->setEnabled(false);

    // The folder browser: the three controls kept on one folder by the link. The tree and
    // the list take the system's font; the combo has its own.
    JamShellTree1 = new TJamShellTree(Panel3);
    JamShellTree1->setObjectName(QStringLiteral("JamShellTree1"));
    JamShellLink1 = new TJamShellLink(this);
    JamShellLink1->setObjectName(QStringLiteral("JamShellLink1"));
    JamShellList1 = new TJamShellList(Panel6);
    JamShellList1->setObjectName(QStringLiteral("JamShellList1"));
    JamShellCombo1 = new TJamShellCombo(Panel9);
    JamShellCombo1->setObjectName(QStringLiteral("JamShellCombo1"));
    JamShellCombo1->setFont(fonts::Pixel(fonts::kGulim, 12));
    JamShellTree1->SetShellLink(JamShellLink1);
    JamShellList1->SetShellLink(JamShellLink1);
    JamShellCombo1->SetShellLink(JamShellLink1);

    CHKBOX_SubDirectory = new QCheckBox(QStringLiteral("SubDirectory"), Panel5);
    CHKBOX_SubDirectory->setObjectName(QStringLiteral("CHKBOX_SubDirectory"));
    CHKBOX_SubDirectory->setChecked(true);

    preview_ = std::make_unique<TPreviewPane>(
        AdvMemo1, FindNextEdit, [](std::string_view extension) { return FindStyleForExtension(extension); },
        [this](const QString& text) { dxStatusBar1->SetPanelText(2, text); });
}

void TForm1::LayOut() {
    // Top to bottom: the path combo, the upper band, its splitter, the lower band.
    auto* form = FillLayout(this);
    Panel9->setFixedHeight(25);
    FillLayout(Panel9, 1)->addWidget(JamShellCombo1);
    JamShellCombo1->setFixedHeight(23);
    form->addWidget(Panel9);
    form->addWidget(cxSplitter2, 1);
    cxSplitter2->SetParts(Panel1, Panel2, 143);

    // The upper band: the folder tree | the search bar over the file list.
    FillLayout(Panel1)->addWidget(cxSplitter1);
    FillLayout(Panel3)->addWidget(JamShellTree1);
    cxSplitter1->SetParts(Panel3, Panel4, 237);
    auto* right = FillLayout(Panel4);
    Panel5->setFixedHeight(27);
    right->addWidget(Panel5);
    right->addWidget(Panel6, 1);
    FillLayout(Panel6)->addWidget(JamShellList1);

    // The search bar's controls sit at fixed places; the view selector keeps its distance
    // from the right edge (see eventFilter).
    MaskEdit->setGeometry(0, 4, 121, 21);
    SearchEdit->setGeometry(127, 4, 187, 21);
    cxButton2->setGeometry(320, 1, 75, 25);
    cxButton3->setGeometry(396, 1, 75, 25);
    CHKBOX_SubDirectory->setGeometry(472, 3, 106, 21);
    cxImageComboBox1->setGeometry(584, 5, 111, 21);
    Panel5->installEventFilter(this);

    // The lower band: the result list | the find-next bar over the preview; the status
    // bar below both.
    auto* lower = FillLayout(Panel2);
    lower->addWidget(cxSplitter3, 1);
    lower->addWidget(dxStatusBar1);
    cxSplitter3->SetParts(cxGrid1, Panel7, 237);
    auto* preview = FillLayout(Panel7);
    Panel8->setFixedHeight(27);
    preview->addWidget(Panel8);
    preview->addWidget(AdvMemo1, 1);
    FindNextEdit->setGeometry(0, 2, 187, 21);
    cxButton1->setGeometry(192, 0, 159, 25);
}

// A slot that runs a handler and shows its failure in the error box.
std::function<void()> TForm1::Guarded(void (TForm1::*handler)()) {
    return [this, handler] { RunHandler([&] { (this->*handler)(); }); };
}

void TForm1::WireEvents() {
    connect(cxButton2, &QPushButton::clicked, this, Guarded(&TForm1::Button1Click));
    connect(cxButton3, &QPushButton::clicked, this, Guarded(&TForm1::cxButton3Click));
    SearchEdit->installEventFilter(this);
    connect(CHKBOX_SubDirectory, &QCheckBox::toggled, this,
            [this](bool checked) { subDirectory_->checked.store(checked, std::memory_order_relaxed); });
    connect(cxGrid1TableView1, &TResultGrid::FocusedRecordChanged, this,
            [this](int record) { RunHandler([&] { cxGrid1TableView1FocusedRecordChanged(record); }); });
    connect(cxGrid1TableView1, &TResultGrid::DblClick, this, Guarded(&TForm1::cxGrid1TableView1DblClick));
    connect(cxGrid1TableView1, &TResultGrid::MouseUp, this, Guarded(&TForm1::cxGrid1TableView1MouseUp));
    connect(cxButton1, &QPushButton::clicked, this, Guarded(&TForm1::fcShapeBtn1Click));
    connect(AdvMemo1, &TAdvMemo::CursorChange, this, Guarded(&TForm1::AdvMemo1CursorChange));
    connect(cxImageComboBox1, &QComboBox::currentIndexChanged, this, Guarded(&TForm1::cxImageComboBox1PropertiesChange));
}

void TForm1::SetTabOrder() {
    // The lower band first, then the upper band, then the path combo; within the search
    // bar Find comes first.
    QWidget* order[] = {FindNextEdit,   AdvMemo1,  cxGrid1,          JamShellTree1, cxButton2,
                        MaskEdit,       SearchEdit, cxImageComboBox1, cxButton3,     CHKBOX_SubDirectory,
                        JamShellList1, JamShellCombo1};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    QWidget::setTabOrder(JamShellCombo1, FindNextEdit);
    SearchEdit->setFocus();
}

std::shared_ptr<Dispatcher> TForm1::UiDispatcher() { return dispatcher_; }
TResultView& TForm1::ResultView() { return *cxGrid1TableView1; }
TProgressBar& TForm1::ProgressBar() { return *cxProgressBar1; }

std::u16string TForm1::SelectedFolder() { return JamShellTree1->SelectedFolder().toStdU16String(); }

void TForm1::FormCreate() { BuildStyleRegistry(); }

void TForm1::BuildStyleRegistry() { fif::BuildStyleRegistry(*this); }

// The registered styles are destroyed here; the one "Web pages" style that is not
// registered goes with the window.
void TForm1::FormClose() { ReleaseStyleRegistry(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        FormClose();
        // The running search is abandoned: asked to stop, and no call of it runs from now
        // on, so nothing can reach a control that is about to be destroyed.
        if (FSearchThread) FSearchThread->Terminate();
        FSearchThread = nullptr;
        dispatcher_->CloseAndDetach();
    }
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SearchEdit && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty()) {
            QChar key = text.front();
            RunHandler([&] { SearchEditKeyPress(key); });
            if (key.isNull()) return true;  // consumed: nothing is typed
        }
    } else if (watched == Panel5 && event->type() == QEvent::Resize) {
        cxImageComboBox1->move(Panel5->width() - 115, 5);
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::WriteCounter(int position) {
    dxStatusBar1->SetPanelText(0, QStringLiteral("%1/%2").arg(position).arg(cxGrid1TableView1->RowsShown()));
}

void TForm1::Button1Click() {
    cxButton2->setEnabled(false);
    cxButton3->setEnabled(true);
    cxGrid1TableView1->Clear();
    const std::string searchText = SearchEdit->text().toStdString();
    const std::string mask = MaskEdit->text().toStdString();
    try {
        FSearchThread = new TMyThread(*this, mask, searchText, [this](TThread* sender) { SearchFinished(sender); });
    } catch (...) {
        // No thread, so no search: back to idle, and no stale worker for Cancel.
        FSearchThread = nullptr;
        cxButton2->setEnabled(true);
        cxButton3->setEnabled(false);
        throw;
    }
    WriteCounter(1);
}

void TForm1::SearchEditKeyPress(QChar& key) {
    if (key != QChar(13)) return;
    key = QChar(0);
    if (cxButton2->isEnabled()) Button1Click();
}

void TForm1::cxButton3Click() {
    if (FSearchThread) FSearchThread->Terminate();
}

void TForm1::SearchFinished(TThread*) {
    cxGrid1TableView1->ShowAppendedRecords();  // the last rows are in the view before the counter
    cxButton2->setEnabled(true);
    cxButton3->setEnabled(false);
    WriteCounter(1);
    FSearchThread = nullptr;  // it frees itself right after this returns
}

void TForm1::cxGrid1TableView1FocusedRecordChanged(int focusedRecord) {
    if (cxGrid1TableView1->RecordCount() == 0 || focusedRecord < 0) return;
    const std::string fullPath = cxGrid1TableView1->Value(focusedRecord, 1) + cxGrid1TableView1->Value(focusedRecord, 0);
    cxTextEdit1->setText(TextFromBytes(fullPath));
    dxStatusBar1->SetPanelText(0, QStringLiteral("%1/%2").arg(focusedRecord + 1).arg(cxGrid1TableView1->RowsShown()));
}

void TForm1::cxGrid1TableView1DblClick() {
    // An empty path box names no file: nothing to open.
    if (!cxTextEdit1->text().isEmpty()) OpenWithAssociatedProgram(cxTextEdit1->text());
}

void TForm1::cxGrid1TableView1MouseUp() {
    const int record = cxGrid1TableView1->FocusedRecord();
    if (cxGrid1TableView1->RecordCount() == 0 || record < 0) return;
    preview_->ShowRecord(cxGrid1TableView1->Value(record, 0), cxGrid1TableView1->Value(record, 1), SearchEdit->text());
}

void TForm1::fcShapeBtn1Click() { preview_->FindNext(); }

void TForm1::AdvMemo1CursorChange() { preview_->CursorChanged(); }

void TForm1::cxImageComboBox1PropertiesChange() {
    JamShellList1->SetViewStyleValue(cxImageComboBox1->currentData().toInt());
}

}  // namespace fif
