#pragma once

#include "search/search_host.h"

#include <QPointer>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace fif {

class QtDispatcher;
class TAdvCustomMemoStyler;
class TAdvMemo;
class TJamShellCombo;
class TJamShellLink;
class TJamShellList;
class TJamShellTree;
class TPreviewPane;
class TcxProgressBar;
class TcxSplitter;
class TdxStatusBar;
class TMyThread;
class TResultGrid;
class TThread;

// The sub-folder switch as the walk reads it: a copy of the check box's state that the
// window refreshes on every change. Written by the user-interface thread, read by the worker.
class CheckBoxSwitch : public SubDirectorySwitch {
public:
    bool Checked() const override { return checked.load(std::memory_order_relaxed); }
    std::atomic<bool> checked{true};
};

// The program's one window: the folder browser above, the result list and the preview
// below, the search bar between them and the status bar at the bottom. It wires the
// parts together and offers a search what it needs of the window.
class TForm1 : public QWidget, public SearchHost {
public:
    TForm1();
    ~TForm1() override;

    // What a search reads of the window.
    std::shared_ptr<Dispatcher> UiDispatcher() override;
    TResultView& ResultView() override;
    TProgressBar& ProgressBar() override;
    std::u16string SelectedFolder() override;
    std::shared_ptr<const SubDirectorySwitch> SubDirectory() override { return subDirectory_; }

    // Controls, under the names the window is laid out with.
    QWidget* Panel2;
    QWidget* Panel1;
    QWidget* Panel3;
    QWidget* Panel4;
    QWidget* Panel5;
    QWidget* Panel6;
    QWidget* Panel7;
    QWidget* Panel8;
    QWidget* Panel9;
    TAdvMemo* AdvMemo1;
    // The syntax styles; the registered ones are released when the window closes.
    QPointer<TAdvCustomMemoStyler> AdvPascalMemoStyler1, AdvWebMemoStyler1, AdvHTMLMemoStyler1, AdvJSMemoStyler1,
        AdvBasicMemoStyler1, AdvCSSMemoStyler1, AdvCSharpMemoStyler1, AdvSQLMemoStyler1, AdvPythonMemoStyler1,
        AdvPerlMemoStyler1, AdvEmoticonMemoStyler1, AdvINIMemoStyler1, AdvXMLMemoStyler1, AdvPHPMemoStyler1;
    QPushButton* cxButton2;
    TcxSplitter* cxSplitter1;
    QPushButton* cxButton1;
    TcxSplitter* cxSplitter2;
    TcxSplitter* cxSplitter3;
    QLineEdit* MaskEdit;
    QLineEdit* SearchEdit;
    QLineEdit* FindNextEdit;
    TResultGrid* cxGrid1;
    TResultGrid* cxGrid1TableView1;  // the grid's one view is the grid itself here
    TdxStatusBar* dxStatusBar1;
    TcxProgressBar* cxProgressBar1;
    QLineEdit* cxTextEdit1;
    QComboBox* cxImageComboBox1;
    QPushButton* cxButton3;
    TJamShellTree* JamShellTree1;
    TJamShellLink* JamShellLink1;
    TJamShellList* JamShellList1;
    TJamShellCombo* JamShellCombo1;
    QCheckBox* CHKBOX_SubDirectory;

    // Event handlers.
    void FormCreate();
    void FormClose();
    void Button1Click();
    void SearchEditKeyPress(QChar& key);
    void cxButton3Click();
    void cxGrid1TableView1FocusedRecordChanged(int focusedRecord);
    void cxGrid1TableView1DblClick();
    void cxGrid1TableView1MouseUp();
    void fcShapeBtn1Click();
    void AdvMemo1CursorChange();
    void cxImageComboBox1PropertiesChange();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void LayOut();
    void WireEvents();
    std::function<void()> Guarded(void (TForm1::*handler)());
    void SetTabOrder();
    void WriteCounter(int position);
    void SearchFinished(TThread* sender);
    void BuildStyleRegistry();

    std::unique_ptr<TPreviewPane> preview_;  // the preview's handlers, behind the window's
    TMyThread* FSearchThread = nullptr;  // the running search; cleared when it has finished
    std::shared_ptr<QtDispatcher> dispatcher_;  // shared with the workers, which may outlive the window
    std::shared_ptr<CheckBoxSwitch> subDirectory_ = std::make_shared<CheckBoxSwitch>();
    bool closing_ = false;
};

// The program's one window, set from the start of its construction to its destruction.
extern TForm1* Form1;

}  // namespace fif
