#include "app/accessibility.h"

#include "app/Form1.h"
#include "app/error_box.h"
#include "app/status_bar.h"
#include "results/adv_memo.h"
#include "results/result_grid.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fif {
namespace {

void Describe(QWidget* widget, const QString& name, const QString& description) {
    if (!widget) return;
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
    // On Linux Qt gives a combo box its current text as its name and takes what the box is
    // from the label whose buddy it is; a hidden label names it without showing anything.
    if (qobject_cast<QComboBox*>(widget) && widget->parentWidget()) {
        auto* label = new QLabel(name, widget->parentWidget());
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(widget);
        label->hide();
    }
}

// A window that is a plain widget reads as a filler; screen readers look for the frame
// around a control to say which window it is in, so the main window reads as one.
QAccessibleInterface* MainWindowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !dynamic_cast<TForm1*>(object)) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

void ShowAsFrame(TForm1& form) {
    static const bool installed = (QAccessible::installFactory(MainWindowAccessible), true);
    Q_UNUSED(installed);
    // An interface made before the factory was there (an accessibility event during the
    // window's construction) is dropped, so that the next query makes the window's own.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&form);
    if (iface && iface->role() != QAccessible::Window)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

QWidget* BrowserControl(TForm1& form, const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name));
}

// A folder browser control may be a composite whose keyboard focus lands on an inner view;
// the screen reader then reads that view, so the view takes the control's name unless it
// has one of its own.
void DescribeComposite(QWidget* control, const QString& name, const QString& description) {
    if (!control) return;
    Describe(control, name, description);
    QList<QWidget*> inner;
    if (control->focusProxy()) inner << control->focusProxy();
    for (QAbstractItemView* view : control->findChildren<QAbstractItemView*>()) {
        // Headers are views too, and a drop-down list lives in a popup window of its own.
        if (qobject_cast<QHeaderView*>(view) || view->window() != control->window()) continue;
        inner << view;
    }
    for (QWidget* widget : inner) {
        if (widget->accessibleName().isEmpty()) Describe(widget, name, description);
    }
}

// A text panel is named by what it shows; its label keeps no name of its own, so that the
// label's text is what a screen reader reads, and Qt announces every new text as a name
// change (it does so only for a label without an accessible name).
void DescribeStatusPanel(TdxStatusBar& bar, int index, const QString& name, const QString& description) {
    QWidget* panel = bar.Panel(index);
    Describe(panel, name, description);
    if (auto* label = panel->findChild<QLabel*>()) label->setAccessibleDescription(name);
}

// The keyboard's ways that the window's controls lack of their own.
// The result list: Enter on the focused row loads the preview as a mouse release over the
// list does, Ctrl+Enter opens the file as a double-click does. Only those keys are taken;
// Space still types into the list's incremental search and the arrows only move the focus.
// The preview: it keeps Tab and Shift+Tab for typing, so Ctrl+Tab and Ctrl+Shift+Tab leave
// it, as they leave other editors; without them the keyboard could never get out.
class TKeyboardAccess : public QObject {
public:
    explicit TKeyboardAccess(TForm1& form) : QObject(&form), form_(form) {
        form.cxGrid1TableView1->installEventFilter(this);
        form.AdvMemo1->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == form_.cxGrid1TableView1) return ResultListKey(key);
        if (watched == form_.AdvMemo1) return PreviewKey(key);
        return false;
    }

private:
    bool ResultListKey(const QKeyEvent& key) {
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
        const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
        const bool open = modifiers == Qt::ControlModifier;
        if (modifiers != Qt::NoModifier && !open) return false;
        // Without a focused row the path box may still name the file of an earlier search.
        if (form_.cxGrid1TableView1->FocusedRecord() < 0) return false;
        // A held key would reload the preview, or start the program, once per repeat.
        if (key.isAutoRepeat()) return true;
        if (open) {
            RunHandler([this] { form_.cxGrid1TableView1DblClick(); });
        } else {
            RunHandler([this] { form_.cxGrid1TableView1MouseUp(); });
        }
        return true;
    }

    bool PreviewKey(const QKeyEvent& key) {
        const Qt::KeyboardModifiers modifiers =
            key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (modifiers != Qt::ControlModifier) return false;
        const bool backward =
            key.key() == Qt::Key_Backtab || (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier));
        if (!backward && key.key() != Qt::Key_Tab) return false;
        // The window moves the focus along its tab order as it does for a plain Tab.
        QKeyEvent tab(QEvent::KeyPress, backward ? Qt::Key_Backtab : Qt::Key_Tab,
                      backward ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(&form_, &tab);
        return true;
    }

    TForm1& form_;
};

}  // namespace

void DescribeForScreenReaders(TForm1& form) {
    ShowAsFrame(form);

    // The search bar.
    Describe(form.MaskEdit, QStringLiteral("파일 마스크"), QStringLiteral("찾을 파일의 확장자, 예: *.pas"));
    Describe(form.SearchEdit, QStringLiteral("찾을 문자열"), QStringLiteral("Enter 키를 누르면 찾기를 시작합니다"));
    Describe(form.cxButton2, QStringLiteral("찾기"), QStringLiteral("폴더 트리에서 선택한 폴더의 파일에서 문자열을 찾습니다"));
    Describe(form.cxButton3, QStringLiteral("취소"), QStringLiteral("진행 중인 찾기를 멈춥니다"));
    Describe(form.CHKBOX_SubDirectory, QStringLiteral("SubDirectory"), QStringLiteral("하위 폴더에서도 찾습니다"));
    Describe(form.cxImageComboBox1, QStringLiteral("보기 방식"), QStringLiteral("파일 목록의 보기 방식"));

    // The folder browser, reached by the names its controls are laid out with, whatever
    // classes they are.
    DescribeComposite(BrowserControl(form, "JamShellCombo1"), QStringLiteral("경로"), QStringLiteral("현재 폴더의 경로"));
    DescribeComposite(BrowserControl(form, "JamShellTree1"), QStringLiteral("폴더 트리"), QStringLiteral("찾기를 시작할 폴더"));
    DescribeComposite(BrowserControl(form, "JamShellList1"), QStringLiteral("파일 목록"),
                      QStringLiteral("현재 폴더의 파일과 폴더"));

    // The result list and the preview.
    Describe(form.cxGrid1, QStringLiteral("검색 결과"),
             QStringLiteral("문자열이 있는 파일. Enter: 미리 보기, Ctrl+Enter: 연결된 프로그램으로 열기"));
    Describe(form.AdvMemo1, QStringLiteral("미리 보기"), QStringLiteral("선택한 파일의 내용. 고친 내용은 저장되지 않습니다. Ctrl+Tab: 다음 컨트롤"));
    Describe(form.FindNextEdit, QStringLiteral("다음 찾을 문자열"), QStringLiteral("미리 보기에서 찾을 문자열"));
    Describe(form.cxButton1, QStringLiteral("다음 찾기"), QStringLiteral("미리 보기에서 커서 뒤의 다음 위치를 찾습니다"));

    // The status bar.
    TdxStatusBar& bar = *form.dxStatusBar1;
    Describe(&bar, QStringLiteral("상태 표시줄"), QString());
    DescribeStatusPanel(bar, 0, QStringLiteral("결과 위치/개수"), QStringLiteral("포커스된 결과의 번호 / 검색 결과 수"));
    Describe(bar.Panel(1), QStringLiteral("선택한 화일의 폴더"), QString());
    Describe(form.cxTextEdit1, QStringLiteral("선택한 화일의 폴더"), QStringLiteral("포커스된 검색 결과의 전체 경로"));
    DescribeStatusPanel(bar, 2, QStringLiteral("커서 위치"), QStringLiteral("미리 보기의 줄 / 줄 수 - 열"));
    Describe(bar.Panel(3), QStringLiteral("진행률"), QString());
    Describe(form.cxProgressBar1, QStringLiteral("진행률"), QStringLiteral("찾기의 진행률"));

    new TKeyboardAccess(form);
}

}  // namespace fif
